// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss worksheet computed through a map of field texts: the worked
// example text for text, its cuts with their own scale factors, the order of
// checks, conversions and writes, and what stays written after a fault.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "arith/errors.h"
#include "arith/number_text.h"
#include "gauss/gauss_calc.h"
#include "tests/samples.h"

namespace zas {
namespace {

using testing::GaussSample;
using testing::MapFields;
using testing::RecordedMessages;

const std::vector<std::string> kOutputsInWriteOrder = {
    "Etga1",  "Etga2",     "Etga1a2", "EXp",  "EYp", "Etgaa1",
    "Etgaa2", "Etgaa1aa2", "EXpp",    "EYpp", "Xp",  "Yp",
};

const std::vector<std::string> kWorkedExample = {
    "0,00887", "-0,76947", "0,77834", "2924,53", "-173,73", "-0,76947",
    "6,84963", "-7,6191",  "2924,45", "-173,67", "2924,49", "-173,7",
};

class Gauss : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(","); }

    static void MarkOutputs(MapFields& f) { f.Fill(kOutputsInWriteOrder, "old"); }
    static std::vector<std::string> Outputs(const MapFields& f) {
        return f.TextsOf(kOutputsInWriteOrder);
    }

    static void SetAngle(MapFields& f, const char* g, const char* m, const char* s,
                         const char* degrees, const char* minutes, const char* seconds) {
        f[g] = degrees;
        f[m] = minutes;
        f[s] = seconds;
    }

    RecordedMessages messages;
};

TEST_F(Gauss, WorkedExampleTextForText) {
    MapFields f = GaussSample();
    ComputeGauss(f);
    EXPECT_EQ(Outputs(f), kWorkedExample);
    EXPECT_EQ(f.writes, kOutputsInWriteOrder);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Gauss, ReadsTheInputsOnlyCheckingThemAllBeforeConvertingAny) {
    MapFields f = GaussSample();
    ComputeGauss(f);
    const std::vector<std::string> expected = {
        // check
        "EAg", "EAm", "EAs", "EBg", "EBm", "EBs", "EBbg", "EBbm", "EBbs", "ECg", "ECm", "ECs",
        "EXA", "EXb", "EXbb", "EXc", "EYa", "EYb", "EYbb", "EYc",
        // conversion
        "EAg", "EAm", "EAs", "EBg", "EBm", "EBs", "EBbg", "EBbm", "EBbs", "ECg", "ECm", "ECs",
        "EXc", "EXbb", "EYa", "EYb", "EYc", "EYbb", "EXA", "EXb"};
    EXPECT_EQ(f.reads, expected);
}

TEST_F(Gauss, MeanYHasOneDecimalFromTheUncutForms) {
    // alpha1 = 180°: Y through A is YA itself, and the mean of -192,37 and
    // -173,6722514 cut to one decimal is -183.
    MapFields f = GaussSample();
    SetAngle(f, "EAg", "EAm", "EAs", "180", "0", "0");
    ComputeGauss(f);
    std::vector<std::string> expected = kWorkedExample;
    expected[0] = "0";
    expected[2] = "0,76947";
    expected[3] = "2948,74";
    expected[4] = "-192,36";
    expected[10] = "2936,595";
    expected[11] = "-183";
    EXPECT_EQ(Outputs(f), expected);
}

TEST_F(Gauss, CutsPlaceTheirScaleFactors) {
    // Y'A = 100, Y'B = 100.5, Y''B = 100.5: the shown 100,25 and 100,5 would
    // average to 100,3, but Yp comes from Y'A and Y''B.
    EXPECT_EQ(FloatToStr(gauss::CutMeanY(100, 100.5, 100)), "100,25");
    EXPECT_EQ(FloatToStr(gauss::CutY(100.5)), "100,5");
    EXPECT_EQ(FloatToStr(gauss::CutMeanY(100, 100.5, 10)), "100,2");
    EXPECT_EQ(FloatToStr(gauss::CutMeanY(-100, -100.5, 10)), "-100,2");
    EXPECT_EQ(FloatToStr(Mean(2924.53, 2924.44)), "2924,485");
    // The factor 100 multiplies the numerator before the division.
    EXPECT_EQ(gauss::CutX(1, 3e-5, 0), 33333.33);
    EXPECT_THROW(gauss::CutX(1, 0.5, 0.5), DivisionByZeroError);
    EXPECT_THROW(gauss::CutX(0, 0.5, 0.5), InvalidOperationError);
}

TEST_F(Gauss, TheRepeatedBIsConvertedButNotUsed) {
    MapFields f = GaussSample();
    f["EXbb"] = "12345";
    f["EYbb"] = "-6,5";
    ComputeGauss(f);
    EXPECT_EQ(Outputs(f), kWorkedExample);

    MapFields g = GaussSample();
    g["EXbb"] = "";
    ComputeGauss(g);
    EXPECT_EQ(messages.messages, std::vector<std::string>{kMissingInputMessage});
    EXPECT_TRUE(g.writes.empty());
}

TEST_F(Gauss, AlphaTwoPrimeAffectsOnlyTheSecondDetermination) {
    MapFields f = GaussSample();
    SetAngle(f, "EBbg", "EBbm", "EBbs", "320", "0", "0");
    ComputeGauss(f);
    const std::vector<std::string> out = Outputs(f);
    for (int i : {0, 1, 2, 3, 4, 6}) {
        EXPECT_EQ(out[i], kWorkedExample[i]) << kOutputsInWriteOrder[i];
    }
    for (int i : {5, 7, 8, 9, 10, 11}) {
        EXPECT_NE(out[i], kWorkedExample[i]) << kOutputsInWriteOrder[i];
    }
}

TEST_F(Gauss, EqualTangentsStopAtTheFirstX) {
    MapFields f = GaussSample();
    MarkOutputs(f);
    SetAngle(f, "EAg", "EAm", "EAs", "322", "25", "22");
    EXPECT_THROW(ComputeGauss(f), DivisionByZeroError);
    std::vector<std::string> expected(12, "old");
    expected[0] = "-0,76947";
    expected[1] = "-0,76947";
    expected[2] = "0";
    EXPECT_EQ(Outputs(f), expected);
}

TEST_F(Gauss, EqualTangentsOfTheSecondPairStopAtTheSecondX) {
    MapFields f = GaussSample();
    MarkOutputs(f);
    SetAngle(f, "ECg", "ECm", "ECs", "322", "25", "22");
    EXPECT_THROW(ComputeGauss(f), DivisionByZeroError);
    std::vector<std::string> expected = kWorkedExample;
    expected[6] = "-0,76947";
    expected[7] = "0";
    for (int i = 8; i < 12; ++i) {
        expected[i] = "old";
    }
    EXPECT_EQ(Outputs(f), expected);
}

TEST_F(Gauss, TangentPolesStopWhereTheirAngleIsUsed) {
    {
        MapFields f = GaussSample();
        MarkOutputs(f);
        SetAngle(f, "ECg", "ECm", "ECs", "90", "0", "0");
        EXPECT_THROW(ComputeGauss(f), InvalidOperationError);
        std::vector<std::string> expected(kWorkedExample.begin(), kWorkedExample.begin() + 6);
        expected.resize(12, "old");
        EXPECT_EQ(Outputs(f), expected);
    }
    {
        MapFields f = GaussSample();
        MarkOutputs(f);
        SetAngle(f, "EBbg", "EBbm", "EBbs", "270", "0", "0");
        EXPECT_THROW(ComputeGauss(f), InvalidOperationError);
        EXPECT_EQ(f.writes.size(), 5u);
    }
    for (const char* g : {"EAg", "EBg"}) {
        MapFields f = GaussSample();
        MarkOutputs(f);
        f[g] = "90";
        f["EAm"] = f["EAs"] = f["EBm"] = f["EBs"] = "0";
        EXPECT_THROW(ComputeGauss(f), InvalidOperationError) << g;
        EXPECT_TRUE(f.writes.empty()) << g;
    }
}

TEST_F(Gauss, MissingOrBadInput) {
    MapFields f = GaussSample();
    MarkOutputs(f);
    f["EYc"] = "";
    ComputeGauss(f);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(f.writes.empty());

    // The check covers all 20 fields before any conversion.
    MapFields g = GaussSample();
    g["EXA"] = "";
    g["EXc"] = "x";
    EXPECT_NO_THROW(ComputeGauss(g));
    EXPECT_EQ(messages.messages.size(), 2u);

    MapFields h = GaussSample();
    MarkOutputs(h);
    h["EXA"] = "a";
    h["EXc"] = "c";
    try {
        ComputeGauss(h);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.fieldText(), "c");
    }
    EXPECT_TRUE(h.writes.empty());
}

}  // namespace
}  // namespace zas
