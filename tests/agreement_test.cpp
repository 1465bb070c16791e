// SPDX-License-Identifier: GPL-3.0-or-later
// The agreement of the two determinations on both worked examples, and the
// exact decimals beneath it.
#include <tuple>

#include <gtest/gtest.h>

#include "arith/number_text.h"
#include "gauss/gauss_agreement.h"
#include "gauss/gauss_calc.h"
#include "jung/jung_agreement.h"
#include "jung/jung_calc.h"
#include "tests/map_fields.h"
#include "tests/samples.h"

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
    EXPECT_FALSE(
        a->angles[0].weak ||
        a->angles[1].weak);  // A full-stop sheet: its texts are read and the block written with it.
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
    // α2′ as typed on the second triangle's rows, not α2: 320°25′22″ −
    // 261°41′38″ = 58°43′44″.
    f["EBbg"] = "320";
    EXPECT_EQ(GaussAgreement(f)->angles[1].text, "58°43′44″");
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
