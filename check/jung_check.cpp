// SPDX-License-Identifier: GPL-3.0-or-later
// The Jung sheet's steps in exact arithmetic: the four cotangents (cut by
// the computation, either last digit at ±1), their sums, the four
// coordinates of P cut to two decimals, and the means.
#include "check/step_arithmetic.h"
#include "jung/jung_calc.h"

namespace zas::check {

namespace {

// A coordinate of P: the numerator over the sum, cut to two decimals (or,
// for a rounded last digit, rounded).
Step Coordinate(std::string_view field, std::string_view spoken, int determination,
                Q (*numerator)(const StepValues&), std::string_view sum) {
    return Step{
        field,
        spoken,
        determination,
        false,
        {},
        [=](const StepValues& v) { return One(Cut(numerator(v), Get(v, sum), 2)); },
        [=](const StepValues& v) { return Round(numerator(v), Get(v, sum), 2).v; },
    };
}

Step Sum(std::string_view field, std::string_view spoken, int determination, std::string_view a,
         std::string_view b) {
    return Step{field, spoken, determination,
                false, {},     [=](const StepValues& v) { return One(Get(v, a) + Get(v, b)); },
                {}};
}

Step Mean(std::string_view field, std::string_view spoken, std::string_view a, std::string_view b) {
    return Step{field, spoken,
                2,     false,
                {},    [=](const StepValues& v) { return One(HalfOf(Get(v, a) + Get(v, b))); },
                {}};
}

}  // namespace

const Method& JungMethod() {
    static const Method method{
        "jung",
        &ComputeJung,
        {
            RatioStep("Ectgb1", "ctg β1", 0, &Cotangent, {"EAg", "EAm", "EAs"}),
            RatioStep("Ectgb2", "ctg β2", 0, &Cotangent, {"EBg", "EBm", "EBs"}),
            RatioStep("Ectgbb1", "ctg β1′", 1, &Cotangent, {"EBbg", "EBbm", "Ebbs"}),
            RatioStep("Ectgbb2", "ctg β2′", 1, &Cotangent, {"ECg", "ECm", "ECs"}),
            Sum("Eb1b2", "ctg β2 + ctg β1", 0, "Ectgb2", "Ectgb1"),
            Sum("Ebb1bb2", "ctg β1′ + ctg β2′", 1, "Ectgbb1", "Ectgbb2"),
            Coordinate(
                "EXp1", "X′P", 0,
                [](const StepValues& v) {
                    return Get(v, "EXa") * Get(v, "Ectgb2") - Get(v, "EYa") +
                           Get(v, "EXb") * Get(v, "Ectgb1") + Get(v, "EYb");
                },
                "Eb1b2"),
            Coordinate(
                "EYp1", "Y′P", 0,
                [](const StepValues& v) {
                    return Get(v, "EYa") * Get(v, "Ectgb2") + Get(v, "EXa") +
                           Get(v, "EYb") * Get(v, "Ectgb1") - Get(v, "EXb");
                },
                "Eb1b2"),
            Coordinate(
                "EXpp1", "X″P", 1,
                [](const StepValues& v) {
                    return Get(v, "EXb") * Get(v, "Ectgbb2") - Get(v, "EYb") +
                           Get(v, "EXc") * Get(v, "Ectgbb1") + Get(v, "EYc");
                },
                "Ebb1bb2"),
            Coordinate(
                "EYpp1", "Y″P", 1,
                [](const StepValues& v) {
                    return Get(v, "EYb") * Get(v, "Ectgbb2") + Get(v, "EXb") +
                           Get(v, "EYc") * Get(v, "Ectgbb1") - Get(v, "EXc");
                },
                "Ebb1bb2"),
            Mean("Xp", "Среднее Xp", "EXp1", "EXpp1"),
            Mean("Yp", "Среднее Yp", "EYp1", "EYpp1"),
        },
    };
    return method;
}

}  // namespace zas::check
