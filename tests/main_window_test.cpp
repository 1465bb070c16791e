// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the main window: the windows created once, the main window's
// controls, the worksheet shown modally from it, and the program's end.
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "app/About/about.h"
#include "app/Opic/opic.h"
#include "app/application.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "arith/number_text.h"
#include "gauss/gays.h"
#include "jung/ung.h"
#include "tests/sheet_checks.h"

using namespace zas::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<zas::ui::Application> application;

    template <class T>
    T* Child(QWidget* form, const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }

  private slots:
    void init() {
        application = std::make_unique<zas::ui::Application>();
        zas::ui::CreateForms(*application);
        zas::SetDecimalSeparator(",");
    }
    void cleanup() { application.reset(); }

    void windowAsStored() {
        QCOMPARE(Form1->objectName(), QStringLiteral("Form1"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Прямая засечка"));
        QCOMPARE(Form1->size(), QSize(375, 281));
        QCOMPARE(zas::ui::OuterSize(Form1->size()), QSize(383, 308));
        CheckFont(Form1, SheetFont::kWindow);
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        // Created hidden; opened at its stored place, kept on the screen.
        QVERIFY(Form1->isHidden() && Form2->isHidden());
        const QRect screen = Form1->screen()->availableGeometry();
        QCOMPARE(Form1->pos(), zas::ui::PlaceOnScreen(QRect(418, 267, 383, 308), screen));
        QCOMPARE(Form2->pos(), zas::ui::PlaceOnScreen(QRect(324, 159, 585, 505), screen));
        QCOMPARE(Form3->pos(), zas::ui::PlaceOnScreen(QRect(326, 160, 584, 505), screen));
        QCOMPARE(Form4->pos(), zas::ui::PlaceOnScreen(QRect(409, 253, 405, 345), screen));
    }

    void controlsAsTheTablesGiveThem() {
        auto* panel = Child<QFrame>(Form1, "Panel1");
        QVERIFY(panel != nullptr);
        QCOMPARE(panel->geometry(), QRect(0, 0, 375, 281));
        QCOMPARE(panel->frameShadow(), QFrame::Raised);
        auto* image = Child<QLabel>(panel, "Image1");
        QVERIFY(image != nullptr);
        QCOMPARE(image->geometry(), QRect(136, 24, 105, 105));
        // Drawn at its own size (988 x 1023 thousandths of an inch) from the
        // box's top-left corner, unstretched.
        QCOMPARE(image->pixmap().size(), QSize(95, 98));
        QVERIFY(!image->hasScaledContents());
        QCOMPARE(image->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);
        CheckButtons(panel, {{"BitBtn1", {16, 72, 113, 25}, "По ф-ам Юнга"},
                             {"BitBtn2", {248, 72, 113, 25}, "По ф-ам Гаусса"},
                             {"BitBtn3", {48, 160, 113, 25}, "Описание"},
                             {"BitBtn4", {216, 160, 113, 25}, "О программе"},
                             {"BitBtn5", {136, 224, 113, 25}, "Выход"}});
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"}) {
            QCOMPARE(Child<QPushButton>(panel, name)->parentWidget(), panel);
        }
    }

    void startUpCreatesEveryWindowOnceInOrder() {
        QStringList created;
        for (const zas::ui::Form* form : application->Forms()) {
            created << form->objectName();
            QVERIFY(form->isHidden());
        }
        QCOMPARE(created, QStringList({"Form1", "Form2", "Form3", "AboutBox", "Form4"}));
        const std::vector<const zas::ui::Form*> forms = application->Forms();
        QVERIFY(forms[0] == Form1 && forms[1] == Form2 && forms[2] == Form3 &&
                forms[3] == AboutBox && forms[4] == Form4);
        // The worksheets hold their worked examples before they are shown.
        QCOMPARE(Child<QLineEdit>(Form2, "EAg")->text(), QStringLiteral("103"));
        QCOMPARE(Child<QLineEdit>(Form3, "EAg")->text(), QStringLiteral("0"));
    }

    void tabRunsAlongTheButtons() {
        Form1->show();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        const std::vector<QString> walk = TabWalk(Child<QWidget>(Form1, "BitBtn1"));
        QCOMPARE(QStringList(walk.begin(), walk.end()),
                 QStringList({"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"}));
    }

    void everyButtonShowsItsWindowModally() {
        // Whatever opens is recorded and closed, so that a wrong window
        // fails the test instead of hanging it.
        QStringList shown;
        QStringList back;
        bool main_stayed = true;
        QTimer::singleShot(0, Form1, [&] {
            for (const char* button : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}) {
                QTimer::singleShot(0, Form1, [&] {
                    QWidget* modal = QApplication::activeModalWidget();
                    shown << (modal != nullptr && modal->isVisible() ? modal->objectName()
                                                                     : QStringLiteral("none"));
                    // A click on the main window's exit button goes nowhere.
                    const QPoint exit = Child<QPushButton>(Form1, "BitBtn5")->geometry().center();
                    QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, {}, exit);
                    main_stayed = main_stayed && Form1->isVisible();
                    if (modal != nullptr) {
                        modal->close();
                    }
                });
                QTest::mouseClick(Child<QPushButton>(Form1, button), Qt::LeftButton);
                // Back from the modal showing: the main window takes input.
                back << (QApplication::activeModalWidget() == nullptr ? "main" : "modal");
            }
            QTest::mouseClick(Child<QPushButton>(Form1, "BitBtn5"), Qt::LeftButton);
        });
        QCOMPARE(application->Run(), 0);
        QCOMPARE(shown, QStringList({"Form2", "Form3", "Form4", "AboutBox"}));
        QCOMPARE(back, QStringList({"main", "main", "main", "main"}));
        QVERIFY(main_stayed);
        QVERIFY(Form1->isHidden());
    }

    void theWorksheetsShareNothing() {
        QTest::mouseClick(Child<QPushButton>(Form3, "BitBtn1"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(Form2, "BitBtn3"), Qt::LeftButton);
        QCOMPARE(Child<QLineEdit>(Form3, "Xp")->text(), QStringLiteral("2924,49"));
        QCOMPARE(Child<QLineEdit>(Form3, "EAg")->text(), QStringLiteral("0"));
        QCOMPARE(Child<QLineEdit>(Form2, "Xp")->text(), QString());
        QCOMPARE(Child<QLineEdit>(Form2, "EYbb")->text(), QString());
    }

    void theCloseBoxEndsTheProgram() {
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        QCOMPARE(application->Run(), 0);
        QVERIFY(Form1->isHidden());
    }

    // ctest runs this in a full-stop and in a comma locale (LC_ALL), naming
    // the separator it expects.
    void separatorFromTheLocale() {
        const QString expected = qEnvironmentVariable("ZAS_EXPECTED_SEPARATOR");
        if (expected.isEmpty()) {
            QSKIP("run by ctest in a chosen locale");
        }
        application.reset();
        zas::SetDecimalSeparator(expected == "," ? "." : ",");
        application = std::make_unique<zas::ui::Application>();
        QCOMPARE(QString::fromStdString(zas::FloatToStr(-0.5)), "-0" + expected + "5");
        QCOMPARE(zas::StrToFloat(("823" + expected + "61").toStdString()), 823.61);
    }

    void placeOnScreen() {
        const QRect screen(0, 0, 800, 600);
        QCOMPARE(zas::ui::PlaceOnScreen({324, 159, 200, 100}, screen), QPoint(324, 159));
        QCOMPARE(zas::ui::PlaceOnScreen({324, 159, 585, 505}, screen), QPoint(215, 95));
        QCOMPARE(zas::ui::PlaceOnScreen({-50, -20, 100, 100}, screen), QPoint(0, 0));
        // Larger than the screen: its title bar stays reachable.
        QCOMPARE(zas::ui::PlaceOnScreen({300, 300, 900, 700}, screen), QPoint(0, 0));
        QCOMPARE(zas::ui::PlaceOnScreen({300, 300, 200, 100}, {1920, 0, 1280, 1024}),
                 QPoint(1920, 300));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
