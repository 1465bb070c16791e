// SPDX-License-Identifier: GPL-3.0-or-later
// The Jung worksheet computed through a map of field texts: the worked example
// text for text, the order of checks, conversions and writes, and what stays
// written when a run ends part-way.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "arith/errors.h"
#include "jung/jung_calc.h"
#include "jung/jung_fields.h"
#include "jung/jung_steps.h"
#include "tests/samples.h"

namespace zas {
namespace {

using testing::ExpectFaults, testing::kDivisionByZero, testing::kInvalidOperation,
    testing::kOverflow;
using testing::JungSample;
using testing::MapFields;
using testing::RecordedMessages;

// The sheet's four orders, written out once: the table of its fields is
// checked against them, and the runs below against the first three.
const std::vector<std::string> kInputsInCheckOrder = {
    "EAg", "EAm", "EAs", "EBg", "EBm",  "EBs", "EBbg", "EBbm", "Ebbs", "ECg",
    "ECm", "ECs", "EXa", "EXb", "EXbb", "EXc", "EYa",  "EYb",  "EYbb", "EYc",
};

const std::vector<std::string> kInputsInConversionOrder = {
    "EAg", "EAm", "EAs", "EBg",  "EBm", "EBs", "EBbg", "EBbm", "Ebbs", "ECg",
    "ECm", "ECs", "EXc", "EXbb", "EYa", "EYb", "EYc",  "EYbb", "EXa",  "EXb",
};

const std::vector<std::string> kOutputsInWriteOrder = {
    "Ectgb1", "Ectgb2", "Ectgbb1", "Ectgbb2", "Eb1b2", "Ebb1bb2",
    "EXp1",   "EYp1",   "EXpp1",   "EYpp1",   "Xp",    "Yp",
};

const std::vector<std::string> kFieldsInClearOrder = {
    "EAg",  "EAm", "EAs",    "EBg",    "EBm",   "EBs",     "EBbg",    "EBbm",
    "Ebbs", "ECg", "ECm",    "ECs",    "EXa",   "EXb",     "Xp",      "EYa",
    "EYb",  "Yp",  "Ectgb2", "Ectgb1", "Eb1b2", "Ectgbb2", "Ectgbb1", "Ebb1bb2",
    "EXbb", "EXc", "EXpp1",  "EYbb",   "EYc",   "EYpp1",   "EXp1",    "EYp1"};

TEST(JungFields, TheTableKeepsTheSheetsOrders) {
    using testing::OrderOf;
    EXPECT_EQ(OrderOf<kInputCount>(jung::kFields, &SheetField::check), kInputsInCheckOrder);
    EXPECT_EQ(OrderOf<kInputCount>(jung::kFields, &SheetField::conversion),
              kInputsInConversionOrder);
    EXPECT_EQ(OrderOf<kOutputCount>(jung::kFields, &SheetField::write), kOutputsInWriteOrder);
    EXPECT_EQ(OrderOf<kSheetFieldCount>(jung::kFields, &SheetField::clear), kFieldsInClearOrder);
}

class Jung : public ::testing::Test {
  protected:
    static void MarkOutputs(MapFields& f) { f.Fill(kOutputsInWriteOrder, "old"); }
    static std::vector<std::string> Outputs(const MapFields& f) {
        return f.TextsOf(kOutputsInWriteOrder);
    }

    RecordedMessages messages;
};

const std::vector<std::string> kWorkedExample = {
    "-0,23564", "1,25022", "1,97642", "-0,04254", "1,01458",  "1,93388",
    "2924,51",  "-173,71", "2924,52", "-173,72",  "2924,515", "-173,715",
};

TEST_F(Jung, WorkedExampleTextForText) {
    MapFields f = JungSample();
    ComputeJung(f);
    EXPECT_EQ(Outputs(f), kWorkedExample);
    EXPECT_EQ(f.writes, kOutputsInWriteOrder);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Jung, ReadsTheInputsOnlyCheckingThemAllBeforeConvertingAny) {
    MapFields f = JungSample();
    ComputeJung(f);
    std::vector<std::string> expected = kInputsInCheckOrder;
    expected.insert(expected.end(), kInputsInConversionOrder.begin(),
                    kInputsInConversionOrder.end());
    EXPECT_EQ(f.reads, expected);
}

TEST_F(Jung, TheRepeatedBIsConvertedButNotUsed) {
    MapFields f = JungSample();
    f["EXbb"] = "0";
    f["EYbb"] = "0";
    ComputeJung(f);
    EXPECT_EQ(Outputs(f), kWorkedExample);

    MapFields g = JungSample();
    g["EYbb"] = "x";
    MarkOutputs(g);
    EXPECT_THROW(ComputeJung(g), ConversionError);
    EXPECT_TRUE(g.writes.empty());
}

TEST_F(Jung, RightAngleGivesAZeroCotangent) {
    MapFields f = JungSample();
    f["EAg"] = "90";
    f["EAm"] = "0";
    f["EAs"] = "0";
    ComputeJung(f);
    EXPECT_EQ(Outputs(f), (std::vector<std::string>{"0", "1,25022", "1,97642", "-0,04254",
                                                    "1,25022", "1,93388", "2435,47", "202,58",
                                                    "2924,52", "-173,72", "2679,995", "14,43"}));
}

TEST_F(Jung, FirstTriangleDegenerateStopsAtItsDetermination) {
    MapFields f = JungSample();
    MarkOutputs(f);
    f["EAg"] = "100";
    f["EAm"] = "0";
    f["EAs"] = "0";
    f["EBg"] = "80";
    f["EBm"] = "0";
    f["EBs"] = "0";
    EXPECT_THROW(ComputeJung(f), DivisionByZeroError);
    EXPECT_EQ(Outputs(f),
              (std::vector<std::string>{"-0,17632", "0,17632", "1,97642", "-0,04254", "0",
                                        "1,93388", "old", "old", "old", "old", "old", "old"}));
}

TEST_F(Jung, SecondTriangleDegenerateKeepsTheFirstDetermination) {
    MapFields f = JungSample();
    MarkOutputs(f);
    f["ECg"] = "153";
    f["ECm"] = "9";
    f["ECs"] = "44";
    EXPECT_THROW(ComputeJung(f), DivisionByZeroError);
    EXPECT_EQ(Outputs(f),
              (std::vector<std::string>{"-0,23564", "1,25022", "1,97642", "-1,97642", "1,01458",
                                        "0", "2924,51", "-173,71", "old", "old", "old", "old"}));
}

TEST_F(Jung, ZeroNumeratorOverZeroSumIsAnInvalidOperation) {
    // beta1 = beta2 = 90°: both cotangents and the sum are 0, and with A and B
    // chosen so that XA*0 - YA + XB*0 + YB = 0 the quotient is 0 / 0.
    MapFields f = JungSample();
    MarkOutputs(f);
    for (const char* name : {"EAg", "EBg"}) {
        f[name] = "90";
    }
    for (const char* name : {"EAm", "EAs", "EBm", "EBs"}) {
        f[name] = "0";
    }
    f["EYa"] = f["EYb"] = "5";
    EXPECT_THROW(ComputeJung(f), InvalidOperationError);
    EXPECT_EQ(f["Eb1b2"], "0");
    EXPECT_EQ(f["EXp1"], "old");
}

TEST_F(Jung, PolesOfTheCotangentWriteNothing) {
    for (const char* degrees : {"0", "180", "360"}) {
        MapFields f = JungSample();
        MarkOutputs(f);
        f["EAg"] = degrees;
        f["EAm"] = "0";
        f["EAs"] = "0";
        if (std::string(degrees) == "0") {
            EXPECT_THROW(ComputeJung(f), DivisionByZeroError);
        } else {
            EXPECT_THROW(ComputeJung(f), InvalidOperationError) << degrees;
        }
        EXPECT_TRUE(f.writes.empty()) << degrees;
    }
}

TEST_F(Jung, ADeterminationBeyond64BitsIsAnInvalidOperation) {
    MapFields f = JungSample();
    MarkOutputs(f);
    f["EXa"] = "1e300";
    EXPECT_THROW(ComputeJung(f), InvalidOperationError);
    EXPECT_EQ(f.writes, (std::vector<std::string>(kOutputsInWriteOrder.begin(),
                                                  kOutputsInWriteOrder.begin() + 6)));
}

TEST_F(Jung, XIsWrittenBeforeYIsComputed) {
    // With beta1 = 90° the cotangent is 0, so XB enters Y'P alone: a huge XB
    // spoils Y'P but not X'P, which must already stand on the sheet.
    MapFields f = JungSample();
    MarkOutputs(f);
    f["EAg"] = "90";
    f["EAm"] = f["EAs"] = "0";
    f["EXb"] = "1e300";
    EXPECT_THROW(ComputeJung(f), InvalidOperationError);
    EXPECT_EQ(f["EXp1"], "2435,47");
    EXPECT_EQ(f["EYp1"], "old");
}

TEST_F(Jung, AnAngleBeyondTheDoubleRangeOverflowsBeforeAnyWrite) {
    MapFields f = JungSample();
    f["EBg"] = "1,7976e308";
    f["EBm"] = "1e308";
    EXPECT_THROW(ComputeJung(f), OverflowError);
    EXPECT_TRUE(f.writes.empty());
}

// Each step and fault that inputs can reach: the fault's text, its step's
// cause on the second line, and the outputs written before it.
TEST_F(Jung, EveryFaultSaysWhichStepAndWhy) {
    ExpectFaults(
        JungSample(), ComputeJung, kOutputsInWriteOrder,
        {
            {"EAg=1,7976e308 EAm=1e308", kOverflow + jung::kAngleB1.overflow, 0},
            {"EBg=1,7976e308 EBm=1e308", kOverflow + jung::kAngleB2.overflow, 0},
            {"ECg=1,7976e308 ECm=1e308", kOverflow + jung::kAngleBB2.overflow, 0},
            {"EBbg=1,7976e308 EBbm=1e308", kOverflow + jung::kAngleBB1.overflow, 0},
            {"EAg=0 EAm=0 EAs=0", kDivisionByZero + jung::kCtgB1.divisionByZero, 0},
            {"EAg=180 EAm=0 EAs=0", kInvalidOperation + jung::kCtgB1.invalidOperation, 0},
            {"EBg=0 EBm=0 EBs=0", kDivisionByZero + jung::kCtgB2.divisionByZero, 0},
            {"EBg=360 EBm=0 EBs=0", kInvalidOperation + jung::kCtgB2.invalidOperation, 0},
            {"EBbg=0 EBbm=0 Ebbs=0", kDivisionByZero + jung::kCtgBB1.divisionByZero, 0},
            {"EBbg=180 EBbm=0 Ebbs=0", kInvalidOperation + jung::kCtgBB1.invalidOperation, 0},
            {"ECg=0 ECm=0 ECs=0", kDivisionByZero + jung::kCtgBB2.divisionByZero, 0},
            {"ECg=-180 ECm=0 ECs=0", kInvalidOperation + jung::kCtgBB2.invalidOperation, 0},
            // beta1 + beta2 = 180°.
            {"EAg=100 EAm=0 EAs=0 EBg=80 EBm=0 EBs=0", kDivisionByZero + jung::kXp1.divisionByZero,
             6},
            {"EXa=1e300", kInvalidOperation + jung::kXp1.invalidOperation, 6},
            {"EAg=90 EAm=0 EAs=0 EXb=1e300", kInvalidOperation + jung::kYp1.invalidOperation, 7},
            {"ECg=153 ECm=9 ECs=44", kDivisionByZero + jung::kXp2.divisionByZero, 8},
            {"EXc=1e300", kInvalidOperation + jung::kXp2.invalidOperation, 8},
            {"EBbg=90 EBbm=0 Ebbs=0 EXc=1e300", kInvalidOperation + jung::kYp2.invalidOperation, 9},
        });
}

TEST_F(Jung, MissingInputShowsTheMessageOnceAndWritesNothing) {
    MapFields f = JungSample();
    MarkOutputs(f);
    f["EYc"] = "";
    ComputeJung(f);
    EXPECT_EQ(messages.messages, std::vector<std::string>{kMissingInputMessage});
    EXPECT_TRUE(f.writes.empty());

    messages.messages.clear();
    f["EAg"] = "";
    f["EXb"] = "";
    ComputeJung(f);
    EXPECT_EQ(messages.messages.size(), 1u);
    // The check stops at the first empty field and converts nothing.
    EXPECT_EQ(f.reads.back(), "EAg");
}

TEST_F(Jung, TheCheckComesBeforeAnyConversion) {
    MapFields f = JungSample();
    f["EXa"] = "";
    f["EXc"] = "x";
    EXPECT_NO_THROW(ComputeJung(f));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(f.writes.empty());
}

TEST_F(Jung, ConversionErrorNamesTheFirstFieldInConversionOrder) {
    MapFields f = JungSample();
    MarkOutputs(f);
    f["EXa"] = "abc";
    f["EXc"] = "3138.17";
    try {
        ComputeJung(f);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.fieldText(), "3138.17");
    }
    EXPECT_TRUE(f.writes.empty());
}

TEST_F(Jung, BlanksPassTheCheckButAreNoNumber) {
    MapFields f = JungSample();
    f["EAs"] = "   ";
    EXPECT_THROW(ComputeJung(f), ConversionError);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(f.writes.empty());
}

TEST_F(Jung, TheCommaSampleInAFullStopLocaleFailsAtEXc) {
    MapFields f = JungSample();
    f.separator = ".";
    try {
        ComputeJung(f);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'\u20683138,17\u2069' не является правильным числом");
    }
    EXPECT_TRUE(f.writes.empty());
    // Typed with full stops, it computes, and the results have them too.
    f.Assign("EXa=823.61 EYa=-192.37 EXb=329.83 EYb=1822.81 EXbb=0 EYbb=0 EXc=3138.17 EYc=1290.17");
    ComputeJung(f);
    EXPECT_EQ(Outputs(f)[0], "-0.23564");
    EXPECT_EQ(Outputs(f)[11], "-173.715");
}

TEST_F(Jung, ARunKeepsNothingForTheNext) {
    MapFields f = JungSample();
    ComputeJung(f);
    f["EAg"] = "90";
    f["EAm"] = f["EAs"] = "0";
    ComputeJung(f);
    f["EAg"] = "103";
    f["EAm"] = "15";
    f["EAs"] = "35";
    ComputeJung(f);
    EXPECT_EQ(Outputs(f), kWorkedExample);
}

}  // namespace
}  // namespace zas
