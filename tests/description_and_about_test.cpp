// SPDX-License-Identifier: GPL-3.0-or-later
// The description window and the about box: passive windows whose behaviour
// comes from their controls alone.
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>
#include <tuple>

#include "app/About/about.h"
#include "app/Opic/opic.h"
#include "tests/sheet_checks.h"

using namespace zas::testing;

class DescriptionAndAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void theDescriptionAsStored() {
        TForm4 form;
        QCOMPARE(form.objectName(), QStringLiteral("Form4"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Описание"));
        QCOMPARE(zas::ui::OuterSize(form.size()), QSize(405, 345));
        auto* text = form.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        QVERIFY(text != nullptr);
        QCOMPARE(text->geometry(), QRect(0, 0, 397, 318));
        QCOMPARE(text->palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(text->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(text->lineWrapMode(), QTextEdit::WidgetWidth);
        CheckFont(text, SheetFont::kWindow);

        const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 35);
        QCOMPARE(lines[0], QString(55, QLatin1Char(' ')) + QStringLiteral("Прямая засечка"));
        QCOMPARE(lines[1], QString());
        const qsizetype jung = lines.indexOf(QString(38, QLatin1Char(' ')) +
                                             QStringLiteral("Решение задачи по формулам Юнга."));
        const qsizetype gauss = lines.indexOf(QString(36, QLatin1Char(' ')) +
                                              QStringLiteral("Решение задачи по формулам Гаусса"));
        QVERIFY(jung > 2 && gauss > jung);
        QCOMPARE(lines[jung - 1], QStringLiteral(" "));
        QCOMPARE(lines[jung + 1], QString());
        QCOMPARE(lines[gauss - 1], QString());
        QCOMPARE(lines[gauss + 1], QString());
        // The paragraphs: first lines indented, every line broken by hand
        // short of the view's 70 characters.
        QVERIFY(lines[2].startsWith(QStringLiteral("    ")) && lines[2][4] != QLatin1Char(' '));
        QVERIFY(lines[jung + 2].startsWith(QStringLiteral("   ")) &&
                lines[jung + 2][3] != QLatin1Char(' '));
        QVERIFY(lines[gauss + 2].startsWith(QStringLiteral("    ")));
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= 70, qPrintable(line));
        }
    }

    void theDescriptionIsReadOnlyButScrollsAndSelects() {
        TForm4 form;
        auto* text = form.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        const QString before = text->toPlainText();
        WhileShownModally(&form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), text);
            QVERIFY(text->horizontalScrollBar()->isVisible());
            QVERIFY(text->verticalScrollBar()->isVisible());
            // Broken by hand to fit: no line wraps in the view.
            for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next()) {
                QVERIFY2(line.layout()->lineCount() == 1, qPrintable(line.text()));
            }
            QTest::keyClicks(text, QStringLiteral("abc 123"));
            QTest::keyClick(text, Qt::Key_Delete);
            QTest::keyClick(text, Qt::Key_Backspace);
            QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(text, Qt::Key_Escape);
            QCOMPARE(text->toPlainText(), before);
            QVERIFY(form.isVisible());
            // Selected with the keyboard, scrolled to the end.
            QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(text->textCursor().selectedText().size(), before.size());
            QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
            QVERIFY(text->verticalScrollBar()->value() > 0);
            form.close();
        });
        // Both scroll bars stay even when there is nothing to scroll.
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void theAboutBoxAsStored() {
        TAboutBox box;
        QCOMPARE(box.objectName(), QStringLiteral("AboutBox"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(298, 213));
        // A fixed dialog border.
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!(box.windowFlags() & Qt::WindowMinMaxButtonsHint));
        auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
        QVERIFY(panel != nullptr);
        QCOMPARE(panel->geometry(), QRect(0, 0, 298, 213));
        QCOMPARE(panel->frameShadow(), QFrame::Sunken);
        auto* image = panel->findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(image != nullptr);
        QCOMPARE(image->geometry(), QRect(120, 8, 57, 41));
        // 622 x 444 thousandths of an inch, unstretched: wider and taller
        // than its box, which clips it.
        QCOMPARE(image->pixmap().size(), QSize(60, 43));
        QVERIFY(!image->hasScaledContents());
        // The captions start where the table puts them and are at least as
        // wide, wider where the text needs it.
        for (const auto& [name, box, caption] :
             {std::tuple{"ProductName", QRect(96, 56, 130, 13), "Решение прямой засечки"},
              {"Version", QRect(88, 88, 144, 13), "по формулам Юнга и Гаусса"},
              {"Copyright", QRect(80, 128, 166, 13), nullptr}}) {
            auto* label = panel->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label != nullptr, name);
            QCOMPARE(label->pos(), box.topLeft());
            QCOMPARE(label->height(), box.height());
            QVERIFY2(label->width() >= box.width(), name);
            if (caption != nullptr) {
                QCOMPARE(label->text(), QString::fromUtf8(caption));
            }
            QVERIFY2(!label->text().isEmpty() && !label->text().contains(QLatin1Char('\n')), name);
            CheckFont(label, SheetFont::kWindow);
            QVERIFY2(InkOutside(label->font(), label->text(), label->size()) == 0, name);
        }
        // The notice carries the version, and it fits the notice's own box.
        auto* notice = panel->findChild<QLabel*>(QStringLiteral("Copyright"));
        QVERIFY(notice->text().contains(QStringLiteral(" " ZAS_VERSION ",")));
        QCOMPARE(notice->width(), 166);
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->parentWidget(), &box);
        QCOMPARE(ok->geometry(), QRect(127, 164, 75, 25));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        // Above the panel.
        QVERIFY(box.children().indexOf(ok) > box.children().indexOf(panel));
    }

    void theAboutBoxOpensCentredAndClosesWithOk() {
        TAboutBox box;
        box.move(3, 5);  // wherever it was left
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
        const QRect screen = box.screen()->availableGeometry();
        const int by_enter = WhileShownModally(&box, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&box));
            // The first time, the frame is not yet known: it is taken to be
            // a usual title bar and border.
            const QPoint off = box.frameGeometry().center() - screen.center();
            QVERIFY(std::abs(off.x()) <= 4 && std::abs(off.y()) <= 14);
            QCOMPARE(QApplication::focusWidget(), ok);
            QTest::keyClick(&box, Qt::Key_Escape);  // no cancel button
            QVERIFY(box.isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(by_enter, int(QDialog::Accepted));
        box.move(600, 1);
        const int by_click = WhileShownModally(&box, [&] {
            QCOMPARE(box.frameGeometry().center(), screen.center());
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QCOMPARE(by_click, int(QDialog::Accepted));
        const int by_close_box = WhileShownModally(&box, [&] { box.close(); });
        QCOMPARE(by_close_box, int(QDialog::Rejected));
    }
};

QTEST_MAIN(DescriptionAndAboutTest)
#include "description_and_about_test.moc"
