// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "app/pictures.h"
#include "app/worksheet_form.h"

#ifdef Q_OS_WIN
#include "app/win32/bundled_fonts.h"
#endif

namespace zas::ui {

Application::Application() : previous_messages_(CurrentMessageService()) {
    // The windows' class under X (WM_CLASS "zasechka", whatever name the
    // program was started by) and the desktop entry they belong to, so that
    // the task bar groups them under the menu entry.
    QCoreApplication::setApplicationName(QStringLiteral("zasechka"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAS_APP_ID));
#ifdef Q_OS_WIN
    // Windows has no Liberation faces: the program carries them.
    win32::LoadBundledFonts();
#endif
    // Numbers are typed and shown with the decimal separator of the user's
    // locale (LC_NUMERIC, or the whole locale), read here once and handed to
    // each sheet as it is created.
    decimal_separator_ = QLocale::system().decimalPoint().toStdString();
    QApplication::setWindowIcon(WindowIcon());
    // Qt's own texts (a field's context menu, the standard buttons) in the
    // user's language, when Qt's translations for it are installed; the
    // windows' own captions are Russian whatever the language.
    if (qt_texts_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_texts_);
    }
    SetMessageService(&messages_);
}

Application::~Application() {
    while (!forms_.empty()) {
        forms_.pop_back();
    }
    SetMessageService(previous_messages_);
}

void Application::Adopt(std::unique_ptr<Form> window) {
    if (auto* sheet = dynamic_cast<WorksheetForm*>(window.get())) {
        // One the numbers' text could not tell apart is refused, and the
        // sheet keeps the samples' comma.
        sheet->SetDecimalSeparator(decimal_separator_);
    }
    if (forms_.empty()) {
        // Closing the main window, by its exit button or its close box, ends
        // the program at once.
        QObject::connect(window.get(), &QDialog::finished, qApp, [] { QCoreApplication::exit(0); });
    }
    forms_.push_back(std::move(window));
}

std::vector<const Form*> Application::Forms() const {
    std::vector<const Form*> forms;
    for (const auto& form : forms_) {
        forms.push_back(form.get());
    }
    return forms;
}

int Application::Run() {
    if (forms_.empty()) {
        return 0;
    }
    forms_.front()->show();
    return QApplication::exec();
}

}  // namespace zas::ui
