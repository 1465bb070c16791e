// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss worksheet window: its controls against the sheet's tables, and
// the sheet worked through real clicks and keys.
#include <QtTest>

#include "arith/number_text.h"
#include "gauss/gauss_steps.h"
#include "gauss/gays.h"
#include "tests/map_fields.h"
#include "tests/sheet_checks.h"
#include "tests/sheet_window_test_base.h"

using namespace zas::testing;

namespace {

constexpr SheetFont H = SheetFont::kHeading;
constexpr SheetFont S = SheetFont::kSmallHeading;
constexpr SheetFont G = SheetFont::kGreek;
constexpr SheetColour T = SheetColour::kText;
constexpr SheetColour R = SheetColour::kRed;
constexpr SheetColour Gr = SheetColour::kGreen;

// The headings of this sheet; the other labels are those both sheets share.
const std::vector<LabelRow> kHeadings = {
    {"Label1", {40, 64, 51, 20}, "Пункт", H, T},
    {"Label36", {112, 40, 110, 16}, "Дирекционные", S, T},
    {"Label2", {144, 64, 36, 16}, "углы", S, T},
    {"Label3", {192, 64, 21, 19}, "α1", G, T},
    {"Label4", {192, 88, 21, 19}, "α2", G, T},
    {"Label16", {360, 40, 17, 20}, "tg", H, T},
    {"Label17", {376, 40, 21, 19}, "α1", G, T},
    {"Label15", {360, 64, 17, 20}, "tg", H, T},
    {"Label18", {376, 64, 21, 19}, "α2", G, T},
    {"Label19", {336, 88, 17, 20}, "tg", H, T},
    {"Label20", {352, 88, 36, 19}, "α1 \u2212", G, T},
    {"Label21", {392, 88, 17, 20}, "tg", H, T},
    {"Label22", {408, 88, 21, 19}, "α2", G, T},
};

// The table is shorter than the Jung sheet's, and two short lines cross the
// angle column above each row P.
const std::vector<LineRow> kLines = {
    {"Bevel2", {32, 32, 513, 2}},    {"Bevel1", {32, 112, 513, 2}},
    {"Bevel7", {32, 240, 513, 2}},   {"Bevel13", {32, 368, 513, 2}},
    {"Bevel3", {32, 32, 1, 337}},    {"Bevel4", {104, 32, 1, 337}},
    {"Bevel5", {224, 32, 1, 337}},   {"Bevel6", {312, 32, 1, 337}},
    {"Bevel8", {456, 32, 1, 337}},   {"Bevel10", {544, 32, 1, 337}},
    {"Bevel9", {312, 88, 145, 2}},   {"Bevel11", {312, 200, 145, 2}},
    {"Bevel12", {312, 328, 145, 2}}, {"Bevel14", {104, 200, 121, 2}},
    {"Bevel15", {104, 328, 121, 2}},
};

// In tab order.
const std::vector<FieldRow> kFields = {
    {"EAg", {120, 128}, 25, "0", R},        {"EAm", {152, 128}, 25, "30", R},
    {"EAs", {184, 128}, 25, "30", R},       {"EXA", {232, 128}, 73, "823,61", R},
    {"EBg", {120, 168}, 25, "322", R},      {"EBm", {152, 168}, 25, "25", R},
    {"EBs", {184, 168}, 25, "22", R},       {"EXb", {232, 168}, 73, "329,83", R},
    {"EXp", {232, 208}, 73, "", T},         {"EYa", {464, 128}, 73, "-192,37", R},
    {"EYb", {464, 168}, 73, "1822,81", R},  {"EYp", {464, 208}, 73, "", T},
    {"Etga1", {352, 128}, 73, "", T},       {"Etga2", {352, 168}, 73, "", T},
    {"Etga1a2", {352, 208}, 73, "", T},     {"ECg", {120, 296}, 25, "261", R},
    {"EBbg", {120, 256}, 25, "322", R},     {"ECm", {152, 296}, 25, "41", R},
    {"EBbm", {152, 256}, 25, "25", R},      {"EBbs", {184, 256}, 25, "22", R},
    {"ECs", {184, 296}, 25, "38", R},       {"EXc", {232, 296}, 73, "3138,17", R},
    {"EXbb", {232, 256}, 73, "329,83", R},  {"Etgaa1aa2", {352, 336}, 73, "", T},
    {"Etgaa2", {352, 296}, 73, "", T},      {"Etgaa1", {352, 256}, 73, "", T},
    {"EXpp", {232, 336}, 73, "", T},        {"EYc", {464, 296}, 73, "1290,17", R},
    {"EYbb", {464, 256}, 73, "1822,81", R}, {"EYpp", {464, 336}, 73, "", T},
    {"Yp", {384, 392}, 73, "", Gr},         {"Xp", {248, 392}, 73, "", Gr},
};

const std::vector<ButtonRow> kButtons = {
    {"BitBtn1", {112, 432, 89, 25}, "Вычислить"},
    {"BitBtn2", {272, 432, 89, 25}, "Очистить"},
    {"BitBtn3", {424, 432, 89, 25}, "Выход"},
};

// In the order the computation writes them.
const QStringList kOutputs = {"Etga1",  "Etga2",     "Etga1a2", "EXp",  "EYp", "Etgaa1",
                              "Etgaa2", "Etgaa1aa2", "EXpp",    "EYpp", "Xp",  "Yp"};

const QStringList kWorkedExample = {"0,00887", "-0,76947", "0,77834", "2924,53",
                                    "-173,73", "-0,76947", "6,84963", "-7,6191",
                                    "2924,45", "-173,67",  "2924,49", "-173,7"};

// The copied sheet after Compute, and the agreement under its table.
// clang-format off
const QStringList kTable = {
    "Пункт\tГрадусы\tМинуты\tСекунды\tX\ttg α\tY",
    "А\t0\t30\t30\t823,61\t0,00887\t-192,37",
    "В\t322\t25\t22\t329,83\t-0,76947\t1822,81",
    "Р\t\t\t\t2924,53\t0,77834\t-173,73",
    "B\t322\t25\t22\t329,83\t-0,76947\t1822,81",
    "C\t261\t41\t38\t3138,17\t6,84963\t1290,17",
    "P\t\t\t\t2924,45\t-7,6191\t-173,67",
    "Средние:\t\t\t\t2924,49\t\t-173,7",
};
// clang-format on
const QStringList kAgreement = {
    "Согласие двух определений:",
    "ΔX = X′P − X″P = 0,08 м; ΔY = Y′P − Y″P = -0,06 м",
    "Линейное расхождение √(ΔX² + ΔY²) = 0,10 м",
    "Угол при P в треугольнике А–В–P: 38°05′08″",
    "Угол при P в треугольнике B–C–P: 60°43′44″",
    "Допустимое расхождение — 0,2 мм в масштабе плана: 0,10 м для 1:500, 0,20 м для 1:1000, "
    "0,40 м для 1:2000, 1,00 м для 1:5000.",
    "Расхождение 0,10 м допустимо для планов 1:500, 1:1000, 1:2000 и 1:5000.",
};

// The means, Yp before Xp, then the buttons left to right.
QStringList TabOrder() {
    QStringList order;
    for (const FieldRow& row : kFields) {
        order << QString::fromLatin1(row.name);
    }
    return order << "BitBtn1"
                 << "BitBtn2"
                 << "BitBtn3";
}

}  // namespace

class GaussWindowTest : public SheetWindowTestBase {
    Q_OBJECT

  public:
    GaussWindowTest()
        : SheetWindowTestBase({.create = [] { return new TForm3; },
                               .fields = kFields,
                               .outputs = kOutputs,
                               .worked_example = kWorkedExample,
                               .table = kTable,
                               .agreement = kAgreement,
                               .tab_order = TabOrder(),
                               .compute = "BitBtn1",
                               .clear = "BitBtn2",
                               .exit = "BitBtn3",
                               // This sheet has EBbs and EXA, not Ebbs and EXa.
                               .names = {{"EBbs", "Ebbs"}, {"EXA", "EXa"}},
                               .emptied = "EXbb",
                               .unreadable = {"EYbb", "1822.81"},
                               // α1 = α2: equal tangents after they are written.
                               .fault = {{"EAg", "322"}, {"EAm", "25"}, {"EAs", "22"}}}) {}

  private slots:
    void windowAsStored() {
        QCOMPARE(form->objectName(), QStringLiteral("Form3"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Решение прямой засечки по формулам Гаусса."));
        QCOMPARE(form->size(), QSize(576, 478));
        QCOMPARE(zas::ui::OuterSize(form->size()), QSize(584, 505));
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
        QCOMPARE(form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size(), 36);
        QCOMPARE(form->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 32);
        QCOMPARE(form->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 3);
        QCOMPARE(form->findChildren<QFrame*>(Qt::FindDirectChildrenOnly).size(), 36 + 15);
        // The exit button shows the main window's open door.
        QCOMPARE(Button("BitBtn3")->icon().pixmap(16, 16).toImage(),
                 QIcon(QStringLiteral(":/app/pictures/door_open.png")).pixmap(16, 16).toImage());
    }

    void aDirectionDueSouthFromA() {
        // alpha1 = 180°: tg alpha1 is 0, and the mean Y is cut to one decimal.
        RecordedMessages messages;
        form->show();
        Type({{"EAg", "180"}, {"EAm", "0"}, {"EAs", "0"}});
        Compute();
        QCOMPARE(Outputs(),
                 QStringList({"0", "-0,76947", "0,76947", "2948,74", "-192,36", "-0,76947",
                              "6,84963", "-7,6191", "2924,45", "-173,67", "2936,595", "-183"}));
        QVERIFY(messages.messages.empty() && messages.errors.empty());
    }

    void aDirectionDueEastFromCStopsAtItsTangent() {
        // alpha3 = 90°: the first determination and tg alpha2' are written,
        // then tg alpha3 has no finite value.
        RecordedMessages messages;
        form->show();
        MarkOutputs();
        Type({{"ECg", "90"}, {"ECm", "0"}, {"ECs", "0"}});
        Compute();
        QCOMPARE(messages.errors, std::vector<std::string>{
                                      std::string("Недопустимая операция с плавающей точкой\n") +
                                      zas::gauss::kTgA3.invalidOperation});
        QCOMPARE(Outputs(), kWorkedExample.mid(0, 6) + QStringList(6, QStringLiteral("old")));
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(GaussWindowTest)
#include "gauss_window_test.moc"
