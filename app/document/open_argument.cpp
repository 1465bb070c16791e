// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/open_argument.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/document/sheet_document.h"
#include "app/messages.h"
#include "app/worksheet_form.h"

namespace zas::document {

void OpenFileArgument(const QStringList& arguments) {
    QString path;
    for (qsizetype i = 1; i < arguments.size() && path.isEmpty(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            path = arguments[i];
        }
    }
    if (path.isEmpty()) {
        return;
    }
    QTimer::singleShot(0, QCoreApplication::instance(), [path] {
        ui::RunHandler([&path] {
            const auto bytes = ReadFileBytes(path);
            if (const auto* refusal = std::get_if<Refusal>(&bytes)) {
                ReportError(refusal->message.toStdString());
                return;
            }
            SheetDocument* document =
                SheetDocument::ForMethod(MethodOf(std::get<QByteArray>(bytes)));
            if (document == nullptr) {
                // No method to go by: the Jung sheet's reader says what is wrong.
                const auto read = ReadSheet(std::get<QByteArray>(bytes), kJung, {});
                const auto* refusal = std::get_if<Refusal>(&read);
                ReportError(refusal != nullptr ? refusal->message.toStdString()
                                               : "Это не лист «Засечки»: формат файла неизвестен.");
                return;
            }
            if (document->OpenFile(path)) {
                document->Sheet()->ShowModal();
            }
        });
    });
}

}  // namespace zas::document
