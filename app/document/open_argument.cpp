// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/open_argument.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/document/sheet_document.h"
#include "app/messages.h"
#include "app/worksheet_form.h"

namespace zas::document {

void OpenFileArgument(const QString& path) {
    QTimer::singleShot(0, QCoreApplication::instance(), [path] {
        ui::RunHandler([&path] {
            const auto bytes = ReadFileBytes(path);
            if (const auto* refusal = std::get_if<Refusal>(&bytes)) {
                ReportError(refusal->message.toStdString());
                return;
            }
            const QByteArray& contents = std::get<QByteArray>(bytes);
            SheetDocument* document = SheetDocument::ForMethod(MethodOf(contents));
            if (document == nullptr) {
                // No method to go by: the Jung sheet's reader refuses the
                // file, says what is wrong and changes nothing.
                document = SheetDocument::ForMethod(QLatin1String(kJung.key));
            }
            if (document != nullptr && document->OpenBytes(contents, path)) {
                document->Sheet()->ShowModal();
            }
        });
    });
}

}  // namespace zas::document
