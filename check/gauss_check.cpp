// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss sheet's steps in exact arithmetic: the tangents (cut by the
// computation, either last digit at ±1), their differences, X of P cut to
// two decimals, Y of P through A and B, and the means, the mean Y from the
// uncut Y through A and Y″ through B, cut to one decimal.
#include "check/step_arithmetic.h"
#include "gauss/gauss_calc.h"
#include "gauss/gauss_fields.h"

namespace zas::check {

namespace {

using namespace gauss;

// The numerators of X of P and the differences of the tangents they are
// divided by.
Q FirstNumerator(const StepValues& v) {
    return Get(v, EXA) * Get(v, Etga1) - Get(v, EYa) - Get(v, EXb) * Get(v, Etga2) + Get(v, EYb);
}
Q FirstDifference(const StepValues& v) {
    return Get(v, Etga1) - Get(v, Etga2);
}
Q SecondNumerator(const StepValues& v) {
    return Get(v, EXb) * Get(v, Etgaa1) - Get(v, EYb) - Get(v, EXc) * Get(v, Etgaa2) + Get(v, EYc);
}
Q SecondDifference(const StepValues& v) {
    return Get(v, Etgaa1) - Get(v, Etgaa2);
}

// Y of P through A, and through B, in the first determination; through B in
// the second. Each from the X of P the sheet takes.
Q FirstYThroughA(const StepValues& v) {
    return (Get(v, EXp) - Get(v, EXA)) * Get(v, Etga1) + Get(v, EYa);
}
Q FirstYThroughB(const StepValues& v) {
    return (Get(v, EXp) - Get(v, EXb)) * Get(v, Etga2) + Get(v, EYb);
}
Q SecondYThroughB(const StepValues& v) {
    return (Get(v, EXpp) - Get(v, EXb)) * Get(v, Etgaa1) + Get(v, EYb);
}

Step Difference(Field field, Field a, Field b) {
    return Step{
        field, false, {}, [=](const StepValues& v) { return One(Get(v, a) - Get(v, b)); }, {}};
}

// A step cut to `decimals`: a value over a divisor.
Step Cuts(Field field, std::string_view note, Q (*value)(const StepValues&),
          Q (*divisor)(const StepValues&), int decimals) {
    return Step{
        field,
        false,
        note,
        [=](const StepValues& v) { return One(Cut(value(v), divisor(v), decimals)); },
        [=](const StepValues& v) { return Round(value(v), divisor(v), decimals).v; },
    };
}

Q Two(const StepValues&) {
    return Whole(2);
}
Q OneWhole(const StepValues&) {
    return Whole(1);
}

}  // namespace

const Method& GaussMethod() {
    static const Method method{
        "gauss",
        &ComputeGauss,
        kFields,
        {
            RatioStep(Etga1, &Tangent, {EAg, EAm, EAs}),
            RatioStep(Etga2, &Tangent, {EBg, EBm, EBs}),
            Difference(Etga1a2, Etga1, Etga2),
            Cuts(EXp, {}, &FirstNumerator, &FirstDifference, 2),
            Cuts(
                EYp, {}, [](const StepValues& v) { return FirstYThroughA(v) + FirstYThroughB(v); },
                &Two, 2),
            RatioStep(Etgaa1, &Tangent, {EBbg, EBbm, EBbs}),
            RatioStep(Etgaa2, &Tangent, {ECg, ECm, ECs}),
            Difference(Etgaa1aa2, Etgaa1, Etgaa2),
            Cuts(EXpp, {}, &SecondNumerator, &SecondDifference, 2),
            Cuts(EYpp, {}, &SecondYThroughB, &OneWhole, 2),
            Step{Xp,
                 false,
                 {},
                 [](const StepValues& v) { return One(HalfOf(Get(v, EXp) + Get(v, EXpp))); },
                 {}},
            Cuts(
                Yp,
                "Среднее Yp берётся из неотброшенных Y′P через A и Y″P через B, а не из "
                "значений Y′P и Y″P в листе, и отбрасывается до одного знака после запятой.",
                [](const StepValues& v) { return FirstYThroughA(v) + SecondYThroughB(v); }, &Two,
                1),
        },
    };
    return method;
}

}  // namespace zas::check
