// SPDX-License-Identifier: GPL-3.0-or-later
// The Jung sheet's steps in exact arithmetic: the four cotangents (cut by
// the computation, either last digit at ±1), their sums, the four
// coordinates of P cut to two decimals, and the means.
#include "check/step_arithmetic.h"
#include "jung/jung_calc.h"
#include "jung/jung_fields.h"

namespace zas::check {

namespace {

using namespace jung;

// A coordinate of P: the numerator over the sum, cut to two decimals (or,
// for a rounded last digit, rounded).
Step Coordinate(Field field, Q (*numerator)(const StepValues&), Field sum) {
    return Step{
        field,
        false,
        {},
        [=](const StepValues& v) { return One(Cut(numerator(v), Get(v, sum), 2)); },
        [=](const StepValues& v) { return Round(numerator(v), Get(v, sum), 2).v; },
    };
}

Step Sum(Field field, Field a, Field b) {
    return Step{
        field, false, {}, [=](const StepValues& v) { return One(Get(v, a) + Get(v, b)); }, {}};
}

Step Mean(Field field, Field a, Field b) {
    return Step{field,
                false,
                {},
                [=](const StepValues& v) { return One(HalfOf(Get(v, a) + Get(v, b))); },
                {}};
}

}  // namespace

const Method& JungMethod() {
    static const Method method{
        "jung",
        &ComputeJung,
        kFields,
        {
            RatioStep(Ectgb1, &Cotangent, {EAg, EAm, EAs}),
            RatioStep(Ectgb2, &Cotangent, {EBg, EBm, EBs}),
            RatioStep(Ectgbb1, &Cotangent, {EBbg, EBbm, Ebbs}),
            RatioStep(Ectgbb2, &Cotangent, {ECg, ECm, ECs}),
            Sum(Eb1b2, Ectgb2, Ectgb1),
            Sum(Ebb1bb2, Ectgbb1, Ectgbb2),
            Coordinate(
                EXp1,
                [](const StepValues& v) {
                    return Get(v, EXa) * Get(v, Ectgb2) - Get(v, EYa) +
                           Get(v, EXb) * Get(v, Ectgb1) + Get(v, EYb);
                },
                Eb1b2),
            Coordinate(
                EYp1,
                [](const StepValues& v) {
                    return Get(v, EYa) * Get(v, Ectgb2) + Get(v, EXa) +
                           Get(v, EYb) * Get(v, Ectgb1) - Get(v, EXb);
                },
                Eb1b2),
            Coordinate(
                EXpp1,
                [](const StepValues& v) {
                    return Get(v, EXb) * Get(v, Ectgbb2) - Get(v, EYb) +
                           Get(v, EXc) * Get(v, Ectgbb1) + Get(v, EYc);
                },
                Ebb1bb2),
            Coordinate(
                EYpp1,
                [](const StepValues& v) {
                    return Get(v, EYb) * Get(v, Ectgbb2) + Get(v, EXb) +
                           Get(v, EYc) * Get(v, Ectgbb1) - Get(v, EXc);
                },
                Ebb1bb2),
            Mean(Xp, EXp1, EXpp1),
            Mean(Yp, EYp1, EYpp1),
        },
    };
    return method;
}

}  // namespace zas::check
