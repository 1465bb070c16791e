// SPDX-License-Identifier: GPL-3.0-or-later
// The message box, the error report and the one place where a button's
// handler is run: whatever it raises is shown to the user and stops there, so
// no exception ever crosses Qt's event loop.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <functional>
#include <string>

#include "arith/worksheet_fields.h"

namespace zas::ui {

// The title of every message box: the application's own.
inline constexpr char kApplicationTitle[] = "Прямая засечка";

// Modal message boxes with one OK button, over the active window.
class MessageBoxes : public MessageService {
  public:
    void ShowMessage(const std::string& text) override;
    void ReportError(const std::string& text) override;
};

// What the surveyor wants done with a sheet's unsaved changes.
enum class Unsaved { kSave, kDiscard, kCancel };

// Asks once, over the active window, with the program's own buttons:
// «Сохранить» (the default), «Не сохранять», «Отмена» (also Escape and the
// close box).
Unsaved AskAboutChanges(const std::string& question);

// Runs a button's handler. An error it raises (this program's own or any
// other) goes to the error report with its text; the window stays open and
// the program goes on.
void RunHandler(const std::function<void()>& handler) noexcept;

// Binds a button's click to a handler of its window, run through RunHandler.
template <class Window>
void OnClick(QAbstractButton* button, Window* window, void (Window::*handler)()) {
    QObject::connect(button, &QAbstractButton::clicked, window, [window, handler] {
        RunHandler([window, handler] { (window->*handler)(); });
    });
}

}  // namespace zas::ui
