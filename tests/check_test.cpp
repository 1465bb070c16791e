// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a hand-filled sheet: the worked examples with one slip at a
// time, each row naming the first differing value of each determination and
// the counts; values that denote the computed number in another way agree.
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "arith/errors.h"
#include "arith/number_text.h"
#include "check/sheet_check.h"
#include "jung/jung_calc.h"
#include "tests/samples.h"

namespace zas {
namespace {

using check::Reason;
using testing::MapFields;

struct Slip {
    const char* fault;  // what the row catches
    bool gauss;
    const char* inputs;                // changed before computing ("name=text ...")
    const char* written;               // then the sheet's values changed by hand
    std::array<const char*, 3> first;  // first differing per determination, "" for none
    std::size_t agreeing, missing;
    Reason reason;  // of the first of them all
};

const Slip kSlips[] = {
    {"all computed values agree", false, "", "", {"", "", ""}, 12, 0, Reason::kNone},
    {"rounded last digit, an early step",
     false,
     "",
     "Ectgb2=1,25023",
     {"Ectgb2", "", ""},
     11,
     0,
     Reason::kRounded},
    {"wrong sign, a late step", false, "", "EYp1=173,71", {"EYp1", "", ""}, 11, 0, Reason::kSign},
    {"the first slip named, not the last",
     false,
     "",
     "Eb1b2=1,0146 EYp1=-173,70 EXp1=1",
     {"Eb1b2", "", ""},
     9,
     0,
     Reason::kFewerDigits},
    {"an empty value, an early step",
     false,
     "",
     "Ectgbb1=",
     {"", "Ectgbb1", ""},
     11,
     1,
     Reason::kNone},
    {"a digit too few, a late step",
     false,
     "",
     "EYpp1=-173,7 Yp=-173,7150",
     {"", "EYpp1", ""},
     11,
     0,
     Reason::kFewerDigits},
    {"a dot for the comma, zeros, U+2212",
     false,
     "",
     "Ectgb1=−0,23564 Xp=2924.515 Yp=-173,7150 EXp1=\u00a02924,51",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"0,00001 where the double shows 9,99999999998225E-6",
     false,
     "EAg=100 EAm=0 EAs=0 EBg=79 EBm=59 EBs=59",
     "Eb1b2=0,00001",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"0,00004 where the sheet shows 4E-5",
     false,
     "EAg=89 EAm=59 EAs=50",
     "Ectgb1=0,00004",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"ctg 45° written as 1",
     false,
     "EAg=45 EAm=0 EAs=0",
     "Ectgb1=1",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"ctg 45° written as 0,99999",
     false,
     "EAg=45 EAm=0 EAs=0",
     "Ectgb1=0,99999",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"ctg 135° written as −1 and −0,99999",
     false,
     "EAg=135 EAm=0 EAs=0 EBbg=135 EBbm=0 Ebbs=0",
     "Ectgb1=-1 Ectgbb1=-0,99999",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"wrong sign, an early Gauss step",
     true,
     "",
     "Etga2=0,76947",
     {"Etga2", "", ""},
     11,
     0,
     Reason::kSign},
    {"a late Gauss step", true, "", "EYp=-173,74", {"EYp", "", ""}, 11, 0, Reason::kOther},
    {"rounded last digits in the second determination",
     true,
     "",
     "Etgaa2=6,84964 EXpp=2924,46",
     {"", "Etgaa2", ""},
     10,
     0,
     Reason::kRounded},
    {"the mean Y to one decimal", true, "", "Yp=-173,71 Xp=", {"", "", "Xp"}, 10, 1, Reason::kNone},
    {"tg 45° written either way",
     true,
     "EAg=45 EAm=0 EAs=0 EBbg=225 EBbm=0 EBbs=0",
     "Etga1=0,99999 Etgaa1=1",
     {"", "", ""},
     12,
     0,
     Reason::kNone},
    {"not a number", true, "", "EXp=abc", {"EXp", "", ""}, 11, 0, Reason::kNotANumber},
};

TEST(Check, EachSlipNamedWhereItFirstShows) {
    for (const Slip& slip : kSlips) {
        SCOPED_TRACE(slip.fault);
        const check::Method& method = slip.gauss ? check::GaussMethod() : check::JungMethod();
        MapFields sheet = slip.gauss ? testing::GaussSample() : testing::JungSample();
        sheet.Assign(slip.inputs);
        method.compute(sheet);
        sheet.Assign(slip.written);
        const std::optional<check::SheetCheck> checked = check::CheckSheet(method, sheet);
        ASSERT_TRUE(checked.has_value());
        EXPECT_EQ(checked->Agreeing(), slip.agreeing);
        EXPECT_EQ(checked->Count(check::Verdict::kMissing), slip.missing);
        const auto first = checked->FirstDiffering();
        const check::FieldVerdict* earliest = nullptr;
        for (std::size_t d = 0; d < first.size(); ++d) {
            EXPECT_EQ(first[d] != nullptr ? first[d]->field : "", slip.first[d]) << d;
            if (first[d] != nullptr && (earliest == nullptr || first[d] < earliest)) {
                earliest = first[d];
            }
        }
        EXPECT_EQ(earliest != nullptr ? earliest->reason : Reason::kNone, slip.reason);
    }
}

TEST(Check, TheSummaryAndATooltipSayIt) {
    MapFields sheet = testing::JungSample();
    ComputeJung(sheet);
    sheet.Assign("Ectgb2=1,25023 EXpp1=2924,53");
    const auto checked = check::CheckSheet(check::JungMethod(), sheet);
    ASSERT_TRUE(checked.has_value());
    EXPECT_EQ(check::SummaryText(*checked),
              "Совпадают с вычисленными: 10 из 12 значений; расходятся: 2.\n"
              "Первое расхождение в первом определении: ctg β2; значения, вычисленные из него, "
              "тоже могут расходиться.\n"
              "Первое расхождение во втором определении: Xp, второе определение; значения, "
              "вычисленные из него, "
              "тоже могут расходиться.");
    EXPECT_EQ(check::VerdictText(*checked->Find("Ectgb2")),
              "Расходится.\nДолжно быть 1,25022; в листе 1,25023\n"
              "Расхождение: последняя цифра округлена, а здесь её отбрасывают.");
    ComputeJung(sheet);
    EXPECT_EQ(check::SummaryText(*check::CheckSheet(check::JungMethod(), sheet)),
              "Все 12 значений листа совпадают с вычисленными.");
}

TEST(Check, InputsThatCannotBeComputedAreSaidAsComputeSaysThem) {
    testing::RecordedMessages messages;
    MapFields sheet = testing::GaussSample();
    sheet["EYc"] = "";
    EXPECT_FALSE(check::CheckSheet(check::GaussMethod(), sheet).has_value());
    EXPECT_EQ(messages.messages, std::vector<std::string>{kMissingInputMessage});
    sheet["EYc"] = "x";
    EXPECT_THROW(check::CheckSheet(check::GaussMethod(), sheet), ConversionError);
    EXPECT_TRUE(sheet.writes.empty());
}

}  // namespace
}  // namespace zas
