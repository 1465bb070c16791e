// SPDX-License-Identifier: GPL-3.0-or-later
// The agreement of the two determinations on both worked examples, and the
// exact decimals beneath it.
#include <tuple>

#include <gtest/gtest.h>

#include "arith/number_text.h"
#include "gauss/gauss_agreement.h"
#include "gauss/gauss_calc.h"
#include "gauss/gauss_trust.h"
#include "jung/jung_agreement.h"
#include "jung/jung_calc.h"
#include "jung/jung_trust.h"
#include "tests/map_fields.h"
#include "tests/samples.h"
#include "trust/currency.h"
#include "trust/number_convention.h"
#include "trust/tolerance.h"

namespace zas {
namespace {

using testing::MapFields;

// Jung: P' = (2924,51; -173,71), P'' = (2924,52; -173,72), so ΔX = -0,01,
// ΔY = 0,01 and √0,0002 = 0,0141... cut to 0,01. At P: 180° − 103°15′35″ −
// 38°39′17″ = 38°05′08″ and 180° − 26°50′16″ − 92°26′10″ = 60°43′34″.
TEST(Agreement, JungWorkedExample) {
    MapFields f = testing::JungSample();
    EXPECT_FALSE(JungAgreement(f).has_value());  // no determinations yet
    ComputeJung(f);
    const auto a = JungAgreement(f);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->dx, "-0,01");
    EXPECT_EQ(a->dy, "0,01");
    EXPECT_EQ(a->discrepancy, "0,01");
    EXPECT_EQ(a->angles[0].text, "38°05′08″");
    EXPECT_EQ(a->angles[1].text, "60°43′34″");
    EXPECT_FALSE(a->angles[0].weak || a->angles[1].weak);
    EXPECT_EQ(AgreementBlock(*a, JungVerdict(f, ","), ",").back(),
              "Расхождение 0,01 м допустимо для планов 1:500, 1:1000, 1:2000 и 1:5000.");
    // A full-stop sheet: its texts are read and the block written with it.
    f.separator = ".";
    f.Assign("EXp1=2924.51 EYp1=-173.71 EXpp1=2924.52 EYpp1=-173.72 EBs=17.25");
    const auto stop = JungAgreement(f);
    ASSERT_TRUE(stop.has_value());
    EXPECT_EQ(stop->dx, "-0.01");
    EXPECT_EQ(stop->angles[0].text, "38°05′07.75″");
}

// Gauss: P' = (2924,53; -173,73), P'' = (2924,45; -173,67): ΔX = 0,08,
// ΔY = -0,06, √(0,0064 + 0,0036) = 0,1 exactly. At P: |0°30′30″ −
// 322°25′22″| = 321°54′52″, over 180°, so 38°05′08″; 322°25′22″ −
// 261°41′38″ = 60°43′44″.
TEST(Agreement, GaussWorkedExample) {
    MapFields f = testing::GaussSample();
    ComputeGauss(f);
    const auto a = GaussAgreement(f);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->dx, "0,08");
    EXPECT_EQ(a->dy, "-0,06");
    EXPECT_EQ(a->discrepancy, "0,10");
    EXPECT_EQ(a->angles[0].text, "38°05′08″");
    EXPECT_EQ(a->angles[1].text, "60°43′44″");
    // 0,10 m is the very limit at 1:500.
    EXPECT_TRUE(OutputsFollowFromInputs(f, &ComputeGauss));
    EXPECT_TRUE(GaussVerdict(f, ",").remarks.empty());
    EXPECT_EQ(AgreementBlock(*a, GaussVerdict(f, ","), ",").back(),
              "Расхождение 0,10 м допустимо для планов 1:500, 1:1000, 1:2000 и 1:5000.");
    // α2′ as typed on the second triangle's rows, not α2: 320°25′22″ −
    // 261°41′38″ = 58°43′44″.
    f["EBbg"] = "320";
    EXPECT_EQ(GaussAgreement(f)->angles[1].text, "58°43′44″");
}

// The tolerance, 0,2 mm on the plan, at each limit and a hair past it.
TEST(Tolerance, AdmissibleAtTheLimitNotPastIt) {
    const struct {
        ExactDecimal dx, dy;
        std::vector<int> admissible;
    } rows[] = {
        {{8, 2}, {-6, 2}, {500, 1000, 2000, 5000}},  // 0,10 m: the limit at 1:500
        {{8, 2}, {7, 2}, {1000, 2000, 5000}},        // 0,1063 m
        {{-100, 2}, {0, 2}, {5000}},                 // 1,00 m: the limit at 1:5000
        {{100, 2}, {1, 2}, {}},                      // 1,00005 m
        {{84683, 2}, {0, 0}, {}},                    // 846,83 m
    };
    for (const auto& row : rows) {
        EXPECT_EQ(JudgeDiscrepancy(row.dx, row.dy).admissible, row.admissible)
            << ExactToText(row.dx, ",") << " " << ExactToText(row.dy, ",");
    }
    EXPECT_EQ(ToleranceLines(JudgeDiscrepancy({8, 2}, {7, 2}), "0,10", ",").back(),
              "Расхождение 0,10 м допустимо для планов 1:1000, 1:2000 и 1:5000; для плана 1:500 "
              "оно больше допустимого, и для него среднее брать не следует.");
    EXPECT_EQ(ToleranceLines(JudgeDiscrepancy({84683, 2}, {0, 0}), "846,83", ",").back(),
              "Расхождение 846,83 м больше допустимого для планов всех масштабов 1:500–1:5000: "
              "среднее брать не следует.");
}

// Two angles at the known points that leave no room for a third: named, the
// block never calling it a weak intersection; the sheet computes all the same.
TEST(Verdict, TrianglesThatCannotExist) {
    const struct {
        bool gauss;
        const char* inputs;
        bool exists;
    } rows[] = {
        {false, "EAg=100 EAm=0 EAs=0 EBg=80 EBm=0 EBs=0", false},   // 180° exactly
        {false, "EAg=100 EAm=0 EAs=0 EBg=79 EBm=59 EBs=59", true},  // 179°59′59″
        {false, "EAg=0 EAm=-1 EAs=0", false},                       // an angle below 0°
        {true, "EAg=180", false},                                   // P behind A
        {true, "EAg=0", true},
    };
    for (const auto& row : rows) {
        MapFields f = row.gauss ? testing::GaussSample() : testing::JungSample();
        f.Assign(row.inputs);
        const Verdict verdict = row.gauss ? GaussVerdict(f, ",") : JungVerdict(f, ",");
        EXPECT_EQ(!verdict.no_triangle[0], row.exists) << row.inputs;
        EXPECT_FALSE(verdict.no_triangle[1]) << row.inputs;
    }
    MapFields f = testing::JungSample();
    f.Assign("EAg=100 EAm=0 EAs=0 EBg=100 EBm=0 EBs=0");
    ComputeJung(f);
    const Verdict verdict = JungVerdict(f, ",");
    const std::vector<std::string> block = AgreementBlock(*JungAgreement(f), verdict, ",");
    EXPECT_EQ(block[3],
              "Треугольник А–В–P не существует: β1 + β2 = 100°00′00″ + 100°00′00″ = 200°00′00″, "
              "а сумма двух углов треугольника меньше 180°.");
    EXPECT_EQ(block.back(), kNoMeanWithoutTriangle);
    for (const std::string& line : block) {
        EXPECT_EQ(line.find("слабая"), std::string::npos) << line;
    }
}

// Likely slips, each named with its field, and B typed twice differently.
TEST(Verdict, SlipsAndRepeatedPoints) {
    const struct {
        bool gauss;
        const char* inputs;
        std::vector<std::string> remarks;
    } rows[] = {
        {false, "EAs=59", {}},
        {false,
         "EAs=60",
         {"Угол β1 (строка А): секунды «60» — 60 или больше; вероятно, опечатка."}},
        {false,
         "ECm=75",
         {"Угол β2′ (строка C): минуты «75» — 60 или больше; вероятно, опечатка."}},
        {true,
         "EBbg=-38",
         {"Угол α2′ (строка B, второе определение): градусы «-38» — меньше нуля; "
          "вероятно, опечатка.",
          "Направление с пункта B на P записано дважды по-разному: α2 = "
          "322°25′22″ (строка В, первое определение) и α2′ = -37°34′38″ (строка "
          "B, второе определение); первое определение берёт α2, второе — α2′."}},
        {true,
         "ECg=360",
         {"Угол α3 (строка C): градусы «360» — 360 или больше; вероятно, опечатка."}},
        {false, "EXbb=329,830 EYbb=1822,81", {}},
        {false,
         "EYbb=1822,18",
         {"Пункт B записан дважды по-разному: Y = 1822,81 (строка В, первое "
          "определение) и Y = 1822,18 (строка B, второе определение); "
          "вычисление берёт Y из строки В первого определения."}},
    };
    for (const auto& row : rows) {
        MapFields f = row.gauss ? testing::GaussSample() : testing::JungSample();
        f.Assign(row.inputs);
        EXPECT_EQ((row.gauss ? GaussVerdict(f, ",") : JungVerdict(f, ",")).remarks, row.remarks)
            << row.inputs;
    }
}

// A text is converted only where it is a number in the file's convention.
TEST(NumberConvention, OnlyNumbersTakeTheOtherSeparator) {
    const struct {
        const char* text;
        std::optional<std::string> converted;  // from a comma to a full stop
    } rows[] = {
        {"823,61", "823.61"},
        {" -1,5E3\t", " -1.5E3\t"},
        {"103", "103"},
        {",5", ".5"},
        {"1,2,3", {}},
        {"1.5", {}},
        {"12,5 м", {}},
        {",", {}},
        {"", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WithSeparator(row.text, ",", "."), row.converted) << row.text;
    }
    EXPECT_FALSE(UsableSeparator("e") || UsableSeparator(" ,") || UsableSeparator(""));
}

// The results belong to the inputs only when computing them gives them.
TEST(Currency, ResultsFollowOnlyFromASuccessfulRun) {
    testing::RecordedMessages messages;
    MapFields f = testing::JungSample();
    EXPECT_FALSE(OutputsFollowFromInputs(f, &ComputeJung));  // no results yet
    ComputeJung(f);
    EXPECT_TRUE(OutputsFollowFromInputs(f, &ComputeJung));
    f["EAs"] = "36";
    EXPECT_FALSE(OutputsFollowFromInputs(f, &ComputeJung));
    f.Assign("EAg=100 EAm=0 EAs=0 EBg=80 EBm=0 EBs=0");  // ends in a division by zero
    EXPECT_ANY_THROW(ComputeJung(f));
    EXPECT_FALSE(OutputsFollowFromInputs(f, &ComputeJung));
    f["EYc"] = "";
    EXPECT_FALSE(OutputsFollowFromInputs(f, &ComputeJung));
    EXPECT_TRUE(messages.messages.empty() && messages.errors.empty());  // held back
}

// A weak angle, decimals of the seconds as typed, a text that is no number.
TEST(Agreement, WeakAnglesDecimalsAndGaps) {
    MapFields f = testing::JungSample();
    ComputeJung(f);
    // 30° and 150° at P are not weak yet; a second beyond either is.
    for (const auto& [angle, at_p, weak] : {std::tuple{"ECg=123 ECm=9 ECs=44", "30°00′00″", false},
                                            std::tuple{"ECg=123 ECm=9 ECs=45", "29°59′59″", true},
                                            std::tuple{"ECg=3 ECm=9 ECs=44", "150°00′00″", false},
                                            std::tuple{"ECg=3 ECm=9 ECs=43", "150°00′01″", true}}) {
        f.Assign(angle);
        EXPECT_EQ(JungAgreement(f)->angles[1].text, at_p);
        EXPECT_EQ(JungAgreement(f)->angles[1].weak, weak) << at_p;
    }
    // Three decimals typed: the differences are cut to centimetres, toward
    // zero, before the discrepancy is formed from them.
    f.Assign("ECg=92 ECm=26 ECs=10 EXp1=2924,519 EXpp1=2924,5 EYpp1=-173,701");
    const auto cut = JungAgreement(f);
    EXPECT_EQ(cut->dx, "0,01");
    EXPECT_EQ(cut->dy, "0,00");
    EXPECT_EQ(cut->discrepancy, "0,01");
    f.Assign("EXp1=2924,51 EXpp1=2924,52 EYpp1=-173,72");
    f["EBs"] = "17,25";  // 38°39′17,25″: the angle at P 38°05′07,75″
    f["ECg"] = "130";    // 180° − 26°50′16″ − 130°26′10″ = 22°43′34″
    auto a = JungAgreement(f);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->angles[0].text, "38°05′07,75″");
    EXPECT_EQ(a->angles[1].text, "22°43′34,00″");
    EXPECT_TRUE(a->angles[1].weak && !a->angles[0].weak);
    EXPECT_EQ(AgreementLines(*a).back(), "Угол при P вне 30°–150°: точка P определена ненадёжно.");
    f["EXpp1"] = "2924.52";
    EXPECT_FALSE(JungAgreement(f).has_value());
}

TEST(Agreement, GaussAngleBetweenWrapsAroundTheCircle) {
    // 359° and 1°: 2°; 10° and 190°: 180°; 0° and 720°: 0°.
    const auto between = [](int a, int b) {
        return gauss::AngleBetween({a * 3600, 0}, {b * 3600, 0})->units / 3600;
    };
    EXPECT_EQ(between(359, 1), 2);
    EXPECT_EQ(between(10, 190), 180);
    EXPECT_EQ(between(0, 720), 0);
}

TEST(ExactDecimal, ParsesDifferencesAndCutsTheDiscrepancy) {
    EXPECT_EQ(ExactToText(*ParseExact(" -1,5E2 ", ","), ","), "-150");
    EXPECT_EQ(ExactToText(*ParseExact("+,25", ","), ","), "0,25");
    EXPECT_EQ(ExactToText(*ParseExact("\t823,61\r\n", ","), ","), "823,61");  // a pasted cell
    for (const char* bad : {"", " ", "1,2,3", "e5", "1e", "1.5", "1,0000000000001"}) {
        EXPECT_FALSE(ParseExact(bad, ",").has_value()) << bad;
    }
    // 3-4-5 and just below: √(0,03² + 0,04²) = 0,05; √(0,03² + 0,0399²) = 0,04992.
    EXPECT_EQ(ExactToText(*HypotCut({3, 2}, {4, 2}, 2), ","), "0,05");
    EXPECT_EQ(ExactToText(*HypotCut({3, 2}, {399, 4}, 2), ","), "0,04");
    EXPECT_EQ(IntegerSquareRoot(ExactUnits{1} << 100), ExactUnits{1} << 50);
    EXPECT_EQ(IntegerSquareRoot((ExactUnits{1} << 100) - 1), (ExactUnits{1} << 50) - 1);
}

}  // namespace
}  // namespace zas
