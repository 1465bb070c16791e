// SPDX-License-Identifier: GPL-3.0-or-later
// The Jung worksheet window: its controls against the sheet's tables, and the
// sheet worked through real clicks and keys.
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>

#include "app/messages.h"
#include "arith/number_text.h"
#include "jung/ung.h"
#include "tests/map_fields.h"
#include "tests/sheet_checks.h"
#include "tests/sheet_window_test_base.h"

using namespace zas::testing;

namespace {

constexpr SheetFont H = SheetFont::kHeading;
constexpr SheetFont G = SheetFont::kGreek;
constexpr SheetColour T = SheetColour::kText;
constexpr SheetColour R = SheetColour::kRed;
constexpr SheetColour Gr = SheetColour::kGreen;

// The headings of this sheet; the other labels are those both sheets share.
const std::vector<LabelRow> kHeadings = {
    {"Label1", {40, 64, 51, 20}, "Пункт", H, T}, {"Label2", {120, 64, 43, 20}, "Углы", H, T},
    {"Label3", {192, 40, 20, 19}, "β1", G, T},   {"Label4", {192, 88, 20, 19}, "β2", G, T},
    {"Label16", {352, 40, 26, 20}, "ctg", H, T}, {"Label17", {384, 40, 20, 19}, "β2", G, T},
    {"Label15", {352, 64, 26, 20}, "ctg", H, T}, {"Label18", {384, 64, 20, 19}, "β1", G, T},
    {"Label19", {320, 88, 26, 20}, "ctg", H, T}, {"Label20", {352, 88, 35, 19}, "β2 +", G, T},
    {"Label21", {392, 88, 26, 20}, "ctg", H, T}, {"Label22", {424, 88, 20, 19}, "β1", G, T},
};

const std::vector<LineRow> kLines = {
    {"Bevel2", {32, 32, 513, 2}},    {"Bevel1", {32, 112, 513, 2}}, {"Bevel7", {32, 240, 513, 2}},
    {"Bevel13", {32, 376, 513, 2}},  {"Bevel3", {32, 32, 1, 345}},  {"Bevel4", {104, 32, 1, 345}},
    {"Bevel5", {224, 32, 1, 345}},   {"Bevel6", {312, 32, 1, 345}}, {"Bevel8", {456, 32, 1, 345}},
    {"Bevel10", {544, 32, 1, 345}},  {"Bevel9", {312, 88, 145, 2}}, {"Bevel11", {312, 200, 145, 2}},
    {"Bevel12", {312, 328, 145, 2}},
};

// In tab order.
const std::vector<FieldRow> kFields = {
    {"EAg", {120, 128}, 25, "103", R},      {"EAm", {152, 128}, 25, "15", R},
    {"EAs", {184, 128}, 25, "35", R},       {"EXa", {232, 128}, 73, "823,61", R},
    {"EBg", {120, 168}, 25, "38", R},       {"EBm", {152, 168}, 25, "39", R},
    {"EBs", {184, 168}, 25, "17", R},       {"EXb", {232, 168}, 73, "329,83", R},
    {"EXp1", {232, 208}, 73, "", T},        {"EYa", {464, 128}, 73, "-192,37", R},
    {"EYb", {464, 168}, 73, "1822,81", R},  {"EYp1", {464, 208}, 73, "", T},
    {"Ectgb2", {352, 128}, 73, "", T},      {"Ectgb1", {352, 168}, 73, "", T},
    {"Eb1b2", {352, 200}, 73, "", T},       {"ECg", {120, 296}, 25, "92", R},
    {"EBbg", {120, 256}, 25, "26", R},      {"ECm", {152, 296}, 25, "26", R},
    {"EBbm", {152, 256}, 25, "50", R},      {"Ebbs", {184, 256}, 25, "16", R},
    {"ECs", {184, 296}, 25, "10", R},       {"EXc", {232, 296}, 73, "3138,17", R},
    {"EXbb", {232, 256}, 73, "329,83", R},  {"Ebb1bb2", {352, 336}, 73, "", T},
    {"Ectgbb1", {352, 296}, 73, "", T},     {"Ectgbb2", {352, 256}, 73, "", T},
    {"EXpp1", {232, 336}, 73, "", T},       {"EYc", {464, 296}, 73, "1290,17", R},
    {"EYbb", {464, 256}, 73, "1822,81", R}, {"EYpp1", {464, 336}, 73, "", T},
    {"Yp", {384, 392}, 73, "", Gr},         {"Xp", {248, 392}, 73, "", Gr},
};

const std::vector<ButtonRow> kButtons = {
    {"BitBtn1", {120, 440, 89, 25}, "Вычислить"},
    {"BitBtn3", {264, 440, 89, 25}, "Очистить"},
    {"BitBtn2", {400, 440, 89, 25}, "Выход"},
};

const QStringList kOutputs = {"Ectgb2", "Ectgb1", "Eb1b2", "Ectgbb2", "Ectgbb1", "Ebb1bb2",
                              "EXp1",   "EYp1",   "EXpp1", "EYpp1",   "Xp",      "Yp"};

// The worked example's twelve results, in the order of kOutputs.
const QStringList kWorkedExample = {"1,25022", "-0,23564", "1,01458",  "-0,04254",
                                    "1,97642", "1,93388",  "2924,51",  "-173,71",
                                    "2924,52", "-173,72",  "2924,515", "-173,715"};

// The copied sheet after Compute, and the agreement under its table.
// clang-format off
const QStringList kTable = {
    "Пункт\tГрадусы\tМинуты\tСекунды\tX\tctg β\tY",
    "А\t103\t15\t35\t823,61\t1,25022\t-192,37",
    "В\t38\t39\t17\t329,83\t-0,23564\t1822,81",
    "Р\t\t\t\t2924,51\t1,01458\t-173,71",
    "B\t26\t50\t16\t329,83\t-0,04254\t1822,81",
    "C\t92\t26\t10\t3138,17\t1,97642\t1290,17",
    "P\t\t\t\t2924,52\t1,93388\t-173,72",
    "Средние:\t\t\t\t2924,515\t\t-173,715",
};
// clang-format on
const QStringList kAgreement = {
    "Согласие двух определений:",
    "ΔX = X′P − X″P = -0,01 м; ΔY = Y′P − Y″P = 0,01 м",
    "Линейное расхождение √(ΔX² + ΔY²) = 0,01 м",
    "Угол при P в треугольнике А–В–P: 38°05′08″",
    "Угол при P в треугольнике B–C–P: 60°43′34″",
    "Допустимое расхождение — 0,2 мм в масштабе плана: 0,10 м для 1:500, 0,20 м для 1:1000, "
    "0,40 м для 1:2000, 1,00 м для 1:5000.",
    "Расхождение 0,01 м допустимо для планов 1:500, 1:1000, 1:2000 и 1:5000.",
};

QStringList TabOrder() {
    QStringList order;
    for (const FieldRow& row : kFields) {
        order << QString::fromLatin1(row.name);
    }
    // The buttons come between the last output of the second block and the
    // means: compute, exit, clear.
    order.insert(30, QStringLiteral("BitBtn3"));
    order.insert(30, QStringLiteral("BitBtn2"));
    order.insert(30, QStringLiteral("BitBtn1"));
    return order;
}

}  // namespace

class JungWindowTest : public SheetWindowTestBase {
    Q_OBJECT

  public:
    JungWindowTest()
        : SheetWindowTestBase({.create = [] { return new TForm2; },
                               .fields = kFields,
                               .outputs = kOutputs,
                               .worked_example = kWorkedExample,
                               .table = kTable,
                               .agreement = kAgreement,
                               .tab_order = TabOrder(),
                               .compute = "BitBtn1",
                               .clear = "BitBtn3",
                               .exit = "BitBtn2",
                               // This sheet has Ebbs and EXa, not EBbs and EXA.
                               .names = {{"Ebbs", "EBbs"}, {"EXa", "EXA"}},
                               .emptied = "EYc",
                               .unreadable = {"EXa", "823.61"},
                               // β1 + β2 = 180°: a zero sum after the cotangents.
                               .fault = {{"EAg", "100"},
                                         {"EAm", "0"},
                                         {"EAs", "0"},
                                         {"EBg", "80"},
                                         {"EBm", "0"},
                                         {"EBs", "0"}}}) {}

  private slots:
    void windowAsStored() {
        QCOMPARE(form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Решение Прямой засечки по формулам Юнга."));
        QCOMPARE(form->size(), QSize(577, 478));
        QCOMPARE(form->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        CheckFont(form, SheetFont::kWindow);
        QVERIFY(form->isHidden());
        QCOMPARE(form->layout(), nullptr);
    }

    void controlsAsTheTablesGiveThem() {
        CheckLabels(form, kHeadings);
        CheckLabels(form, LabelsBothSheetsShare());
        CheckLines(form, kLines);
        CheckFields(form, kFields);
        CheckButtons(form, kButtons);
        // Nothing else stands on the sheet.
        QCOMPARE(form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size(), 35);
        QCOMPARE(form->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 32);
        QCOMPARE(form->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 3);
        QCOMPARE(form->findChildren<QFrame*>(Qt::FindDirectChildrenOnly).size(), 35 + 13);
    }

    void divisionByZeroKeepsTheEarlierSteps() {
        // beta1 + beta2 = 180°: the cotangents cancel and the first
        // determination divides by a zero sum.
        RecordedMessages messages;
        form->show();
        MarkOutputs();
        Type({{"EAg", "100"},
              {"EAm", "0"},
              {"EAs", "0"},
              {"EBg", "80"},
              {"EBm", "0"},
              {"EBs", "0"}});
        Compute();
        QCOMPARE(messages.errors,
                 std::vector<std::string>{
                     "Деление на ноль\nX′P: сумма котангенсов β1 и β2 равна нулю — угол при P "
                     "равен 0° или 180°, точки A, B и P лежат на одной прямой, засечка не "
                     "решается."});
        QCOMPARE(Outputs(), QStringList({"0,17632", "-0,17632", "0", "-0,04254", "1,97642",
                                         "1,93388", "old", "old", "old", "old", "old", "old"}));
        QVERIFY(form->isVisible());
    }

    void anyErrorAHandlerRaisesStopsAtTheReport() {
        RecordedMessages messages;
        zas::ui::RunHandler([] { throw std::runtime_error("сбой"); });
        zas::ui::RunHandler([] { throw 42; });
        QCOMPARE(messages.errors, (std::vector<std::string>{"сбой", "Неизвестная ошибка"}));
    }

    void theRealMessageBoxAndErrorReport() {
        zas::ui::MessageBoxes boxes;
        zas::SetMessageService(&boxes);
        QStringList seen;
        // Reads and dismisses the message box the click opened.
        auto answer = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen << box->windowTitle() + QStringLiteral(" | ") + box->text();
            QCOMPARE(box->buttons().size(), 1);
            // Whatever was typed shows as typed, never as markup.
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        };
        WhileShownModally([&] {
            Field("EAg")->clear();
            QTimer::singleShot(0, form, answer);
            Compute();
            Type({{"EAg", "1O3"}});  // a letter O for a zero
            QTimer::singleShot(0, form, answer);
            Compute();
            Type({{"EAg", "<b>5</b>"}});
            QTimer::singleShot(0, form, answer);
            Compute();
            QVERIFY(form->isVisible());
            form->close();
        });
        zas::SetMessageService(nullptr);
        QCOMPARE(seen, QStringList({"Прямая засечка | Введите исходные данные(они обозначены "
                                    "красным цветом)",
                                    "Прямая засечка | '\u20681O3\u2069' не является правильным "
                                    "числом",
                                    "Прямая засечка | '\u2068<b>5</b>\u2069' не является "
                                    "правильным числом"}));
    }
};

QTEST_MAIN(JungWindowTest)
#include "jung_window_test.moc"
