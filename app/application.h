// SPDX-License-Identifier: GPL-3.0-or-later
// The program's application object: it prepares the toolkit, creates every
// window once, runs the message loop while the main window is open, and frees
// the windows when it ends.
#pragma once

#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/messages.h"

namespace zas::ui {

class Application {
  public:
    // Needs the QApplication to exist. Takes the decimal separator from the
    // user's locale, sets the application's icon, loads Qt's translations for
    // the user's language and puts the message boxes in place.
    Application();
    // Frees the windows, the newest first, and takes the message boxes away.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Builds a window (hidden) and sets its global reference; the first one
    // created is the main window. A worksheet gets the locale's separator.
    template <class Window>
    void CreateForm(Window*& reference) {
        auto window = std::make_unique<Window>();
        reference = window.get();
        Adopt(std::move(window));
    }

    // Shows the main window and dispatches events until it closes; returns
    // the process's exit code, 0.
    int Run();

    // The windows, in the order they were created.
    std::vector<const Form*> Forms() const;

  private:
    void Adopt(std::unique_ptr<Form> window);

    std::string decimal_separator_;
    QTranslator qt_texts_;
    MessageBoxes messages_;
    MessageService* previous_messages_;
    std::vector<std::unique_ptr<Form>> forms_;
};

}  // namespace zas::ui
