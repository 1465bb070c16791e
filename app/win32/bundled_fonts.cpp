// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/win32/bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace zas::win32 {

void LoadBundledFonts() {
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QString& name :
         folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        QFontDatabase::addApplicationFont(folder.filePath(name));
    }
}

}  // namespace zas::win32
