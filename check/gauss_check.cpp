// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss sheet's steps in exact arithmetic: the tangents (cut by the
// computation, either last digit at ±1), their differences, X of P cut to
// two decimals, Y of P through A and B, and the means, the mean Y from the
// uncut Y through A and Y″ through B, cut to one decimal.
#include "check/step_arithmetic.h"
#include "gauss/gauss_calc.h"

namespace zas::check {

namespace {

Q FirstX(const StepValues& v) {
    return Cut(Get(v, "EXA") * Get(v, "Etga1") - Get(v, "EYa") - Get(v, "EXb") * Get(v, "Etga2") +
                   Get(v, "EYb"),
               Get(v, "Etga1") - Get(v, "Etga2"), 2);
}

Q SecondX(const StepValues& v) {
    return Cut(Get(v, "EXb") * Get(v, "Etgaa1") - Get(v, "EYb") - Get(v, "EXc") * Get(v, "Etgaa2") +
                   Get(v, "EYc"),
               Get(v, "Etgaa1") - Get(v, "Etgaa2"), 2);
}

// Y of P through A, and through B, in the first determination; through B in
// the second. Each from the X of P the sheet takes.
Q FirstYThroughA(const StepValues& v) {
    return (Get(v, "EXp") - Get(v, "EXA")) * Get(v, "Etga1") + Get(v, "EYa");
}
Q FirstYThroughB(const StepValues& v) {
    return (Get(v, "EXp") - Get(v, "EXb")) * Get(v, "Etga2") + Get(v, "EYb");
}
Q SecondYThroughB(const StepValues& v) {
    return (Get(v, "EXpp") - Get(v, "EXb")) * Get(v, "Etgaa1") + Get(v, "EYb");
}

Step Difference(std::string_view field, std::string_view spoken, int determination,
                std::string_view a, std::string_view b) {
    return Step{field, spoken, determination,
                false, {},     [=](const StepValues& v) { return One(Get(v, a) - Get(v, b)); },
                {}};
}

// A step cut to `decimals`: the value over a divisor.
Step Cuts(std::string_view field, std::string_view spoken, int determination, std::string_view note,
          Q (*value)(const StepValues&), int divisor, int decimals) {
    return Step{
        field,
        spoken,
        determination,
        false,
        note,
        [=](const StepValues& v) { return One(Cut(value(v), Whole(divisor), decimals)); },
        [=](const StepValues& v) { return Round(value(v), Whole(divisor), decimals).v; },
    };
}

// X of P: the numerator over the difference of the tangents, cut.
Step XOfP(std::string_view field, std::string_view spoken, int determination,
          Q (*cut)(const StepValues&), Q (*rounded)(const StepValues&)) {
    return Step{field,
                spoken,
                determination,
                false,
                {},
                [=](const StepValues& v) { return One(cut(v)); },
                [=](const StepValues& v) { return rounded(v).v; }};
}

}  // namespace

const Method& GaussMethod() {
    static const Method method{
        "gauss",
        &ComputeGauss,
        {
            RatioStep("Etga1", "tg α1", 0, &Tangent, {"EAg", "EAm", "EAs"}),
            RatioStep("Etga2", "tg α2", 0, &Tangent, {"EBg", "EBm", "EBs"}),
            Difference("Etga1a2", "tg α1 − tg α2", 0, "Etga1", "Etga2"),
            XOfP("EXp", "X′P", 0, &FirstX,
                 [](const StepValues& v) {
                     return Round(Get(v, "EXA") * Get(v, "Etga1") - Get(v, "EYa") -
                                      Get(v, "EXb") * Get(v, "Etga2") + Get(v, "EYb"),
                                  Get(v, "Etga1") - Get(v, "Etga2"), 2);
                 }),
            Cuts(
                "EYp", "Y′P", 0, {},
                [](const StepValues& v) { return FirstYThroughA(v) + FirstYThroughB(v); }, 2, 2),
            RatioStep("Etgaa1", "tg α2′", 1, &Tangent, {"EBbg", "EBbm", "EBbs"}),
            RatioStep("Etgaa2", "tg α3", 1, &Tangent, {"ECg", "ECm", "ECs"}),
            Difference("Etgaa1aa2", "tg α2′ − tg α3", 1, "Etgaa1", "Etgaa2"),
            XOfP("EXpp", "X″P", 1, &SecondX,
                 [](const StepValues& v) {
                     return Round(Get(v, "EXb") * Get(v, "Etgaa1") - Get(v, "EYb") -
                                      Get(v, "EXc") * Get(v, "Etgaa2") + Get(v, "EYc"),
                                  Get(v, "Etgaa1") - Get(v, "Etgaa2"), 2);
                 }),
            Cuts("EYpp", "Y″P", 1, {}, &SecondYThroughB, 1, 2),
            Step{"Xp",
                 "Среднее Xp",
                 2,
                 false,
                 {},
                 [](const StepValues& v) { return One(HalfOf(Get(v, "EXp") + Get(v, "EXpp"))); },
                 {}},
            Cuts(
                "Yp", "Среднее Yp", 2,
                "Среднее Yp берётся из неотброшенных Y′P через A и Y″P через B, а не из "
                "значений Y′P и Y″P в листе, и отбрасывается до одного знака после запятой.",
                [](const StepValues& v) { return FirstYThroughA(v) + SecondYThroughB(v); }, 2, 1),
        },
    };
    return method;
}

}  // namespace zas::check
