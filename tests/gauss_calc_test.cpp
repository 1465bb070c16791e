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
#include "gauss/gauss_fields.h"
#include "gauss/gauss_steps.h"
#include "tests/samples.h"

namespace zas {
namespace {

using testing::ExpectFaults, testing::kDivisionByZero, testing::kInvalidOperation,
    testing::kOverflow;
using testing::GaussSample;
using testing::MapFields;
using testing::RecordedMessages;

// The sheet's four orders, written out once: the table of its fields is
// checked against them, and the runs below against the first three.
const std::vector<std::string> kInputsInCheckOrder = {
    "EAg", "EAm", "EAs", "EBg", "EBm",  "EBs", "EBbg", "EBbm", "EBbs", "ECg",
    "ECm", "ECs", "EXA", "EXb", "EXbb", "EXc", "EYa",  "EYb",  "EYbb", "EYc",
};

const std::vector<std::string> kInputsInConversionOrder = {
    "EAg", "EAm", "EAs", "EBg",  "EBm", "EBs", "EBbg", "EBbm", "EBbs", "ECg",
    "ECm", "ECs", "EXc", "EXbb", "EYa", "EYb", "EYc",  "EYbb", "EXA",  "EXb",
};

const std::vector<std::string> kOutputsInWriteOrder = {
    "Etga1",  "Etga2",     "Etga1a2", "EXp",  "EYp", "Etgaa1",
    "Etgaa2", "Etgaa1aa2", "EXpp",    "EYpp", "Xp",  "Yp",
};

const std::vector<std::string> kFieldsInClearOrder = {
    "EAg",  "EAm", "EAs",   "EBg",   "EBm",     "EBs",    "EBbg",   "EBbm",
    "EBbs", "ECg", "ECm",   "ECs",   "EXA",     "EXb",    "EXp",    "EYa",
    "EYb",  "EYp", "Etga1", "Etga2", "Etga1a2", "Etgaa1", "Etgaa2", "Etgaa1aa2",
    "EXbb", "EXc", "EXpp",  "EYbb",  "EYc",     "EYpp",   "Xp",     "Yp"};

TEST(GaussFields, TheTableKeepsTheSheetsOrders) {
    using testing::OrderOf;
    EXPECT_EQ(OrderOf<kInputCount>(gauss::kFields, &SheetField::check), kInputsInCheckOrder);
    EXPECT_EQ(OrderOf<kInputCount>(gauss::kFields, &SheetField::conversion),
              kInputsInConversionOrder);
    EXPECT_EQ(OrderOf<kOutputCount>(gauss::kFields, &SheetField::write), kOutputsInWriteOrder);
    EXPECT_EQ(OrderOf<kSheetFieldCount>(gauss::kFields, &SheetField::clear), kFieldsInClearOrder);
}

const std::vector<std::string> kWorkedExample = {
    "0,00887", "-0,76947", "0,77834", "2924,53", "-173,73", "-0,76947",
    "6,84963", "-7,6191",  "2924,45", "-173,67", "2924,49", "-173,7",
};

class Gauss : public ::testing::Test {
  protected:
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
    std::vector<std::string> expected = kInputsInCheckOrder;
    expected.insert(expected.end(), kInputsInConversionOrder.begin(),
                    kInputsInConversionOrder.end());
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
    EXPECT_EQ(FloatToStr(gauss::CutMeanY(100, 100.5, 100), ","), "100,25");
    EXPECT_EQ(FloatToStr(gauss::CutY(100.5), ","), "100,5");
    EXPECT_EQ(FloatToStr(gauss::CutMeanY(100, 100.5, 10), ","), "100,2");
    EXPECT_EQ(FloatToStr(gauss::CutMeanY(-100, -100.5, 10), ","), "-100,2");
    EXPECT_EQ(FloatToStr(Mean(2924.53, 2924.44), ","), "2924,485");
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

// Each step and fault that inputs can reach: the fault's text, its step's
// cause on the second line, and the outputs written before it.
TEST_F(Gauss, EveryFaultSaysWhichStepAndWhy) {
    ExpectFaults(
        GaussSample(), ComputeGauss, kOutputsInWriteOrder,
        {
            {"EAg=1,7976e308 EAm=1e308", kOverflow + gauss::kAngleA1.overflow, 0},
            {"EBg=1,7976e308 EBm=1e308", kOverflow + gauss::kAngleA2.overflow, 0},
            {"ECg=1,7976e308 ECm=1e308", kOverflow + gauss::kAngleA3.overflow, 0},
            {"EBbg=1,7976e308 EBbm=1e308", kOverflow + gauss::kAngleAA2.overflow, 0},
            // Due east from A.
            {"EAg=90 EAm=0 EAs=0",
             kInvalidOperation +
                 "Тангенс α1 не определён: при дирекционном угле 90° или 270° тангенс "
                 "бесконечен, и это направление по формулам Гаусса не решается; "
                 "воспользуйтесь формулами Юнга.",
             0},
            {"EBg=270 EBm=0 EBs=0", kInvalidOperation + gauss::kTgA2.invalidOperation, 0},
            {"EAg=322 EAm=25 EAs=22", kDivisionByZero + gauss::kXp1.divisionByZero, 3},
            {"EXA=1e300", kInvalidOperation + gauss::kXp1.invalidOperation, 3},
            // tg 2 and tg 4 with X of -2^1023 and -2^1022: X of P is exactly 0,
            // Y through the first point 2^1024.
            {"EAg=63 EAm=26 EAs=5,9 EBg=75 EBm=57 EBs=49,6 EXA=-8,98846567431158e307 "
             "EXb=-4,49423283715579e307 EYa=0 EYb=0",
             kOverflow + gauss::kYp1Forms.overflow, 4},
            {"EYa=1e20 EYb=1e20", kInvalidOperation + gauss::kYp1.invalidOperation, 4},
            {"EBbg=90 EBbm=0 EBbs=0", kInvalidOperation + gauss::kTgAA2.invalidOperation, 5},
            {"ECg=270 ECm=0 ECs=0", kInvalidOperation + gauss::kTgA3.invalidOperation, 6},
            {"ECg=322 ECm=25 ECs=22", kDivisionByZero + gauss::kXp2.divisionByZero, 8},
            {"EXc=1e300", kInvalidOperation + gauss::kXp2.invalidOperation, 8},
            // Steep directions from B and C, almost parallel.
            {"EBbg=89,999999999997135 EBbm=0 EBbs=0 ECg=89,99999999999857 ECm=0 ECs=0",
             kInvalidOperation + gauss::kYp2.invalidOperation, 9},
            {"EBg=0 EBm=0 EBs=0 EXb=-8,98846567431158e307 EBbg=63 EBbm=26 EBbs=5,9 ECg=75 ECm=57 "
             "ECs=49,6 EXc=-4,49423283715579e307 EYb=0 EYc=0",
             kOverflow + gauss::kYp2.overflow, 9},
        });
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
