// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace zas::ui {

namespace {

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QWidget* over = QApplication::activeModalWidget();
    if (over == nullptr) {
        over = QApplication::activeWindow();
    }
    QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), QString::fromStdString(text),
                    QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void MessageBoxes::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void MessageBoxes::ReportError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
}

void RunHandler(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError("Неизвестная ошибка");
    }
}

}  // namespace zas::ui
