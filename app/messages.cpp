// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextDocument>
#include <QTextOption>
#include <exception>
#include <memory>

namespace zas::ui {

namespace {

// Keeps a message box at least as wide as its title needs. The box sizes
// itself to its text and allows for the title only as wide as the title-bar
// font draws it plus 50 pixels, which a window manager's icon and its three
// buttons overrun: a short message cut the title off. So the title is
// measured bold and a quarter larger, as window managers draw titles, with
// room for four buttons as high as two lines, and a spacer that wide lies
// under the box's first row.
void FitTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) * 5 / 4 + 8 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0), 0, 0, 1, grid->columnCount());
}

// The messages are Russian and read left to right, whatever the first letter
// of a field text they quote. The box's text can be selected, so it is laid
// out as a document, which takes its direction from the first strong letter
// even inside an isolate: right-to-left text in the quote would turn the whole
// message around. Its direction is set, not guessed.
void KeepLeftToRight(QMessageBox& box) {
    for (QTextDocument* document : box.findChildren<QTextDocument*>()) {
        QTextOption option = document->defaultTextOption();
        option.setTextDirection(Qt::LeftToRight);
        document->setDefaultTextOption(option);
    }
}

// A box with the application's title over the active window; its buttons
// are added by the caller.
std::unique_ptr<QMessageBox> Box(QMessageBox::Icon icon, const std::string& text,
                                 QMessageBox::StandardButtons buttons) {
    QWidget* over = QApplication::activeModalWidget();
    if (over == nullptr) {
        over = QApplication::activeWindow();
    }
    auto box = std::make_unique<QMessageBox>(icon, QString::fromUtf8(kApplicationTitle),
                                             QString::fromStdString(text), buttons, over);
    box->setTextFormat(Qt::PlainText);
    FitTitle(*box);
    KeepLeftToRight(*box);
    return box;
}

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    Box(icon, text, QMessageBox::Ok)->exec();
}

}  // namespace

void MessageBoxes::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void MessageBoxes::ReportError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
}

Unsaved AskAboutChanges(const std::string& question) {
    const auto box = Box(QMessageBox::Warning, question, QMessageBox::NoButton);
    QPushButton* save = box->addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box->addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    box->setEscapeButton(box->addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole));
    box->setDefaultButton(save);
    box->exec();
    if (box->clickedButton() == save) {
        return Unsaved::kSave;
    }
    return box->clickedButton() == discard ? Unsaved::kDiscard : Unsaved::kCancel;
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
