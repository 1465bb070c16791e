// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/extended.h"

#include <cmath>

#include "arith/errors.h"

namespace zas {

namespace {

// Halfway between DBL_MAX and 2^1024: an extended value of at least this
// magnitude rounds to infinity when stored as a double.
constexpr Extended kDoubleOverflowBound = 0x1.fffffffffffff8p1023L;

// The bounds of truncation to a signed 64-bit integer: anything strictly
// between them truncates to a representable integer.
constexpr Extended kTruncLow = -0x1p63L - 1;
constexpr Extended kTruncHigh = 0x1p63L;

}  // namespace

double Store(Extended value) {
    if (std::isnan(value)) {
        throw InvalidOperationError();
    }
    if (std::fabs(value) >= kDoubleOverflowBound) {
        throw OverflowError();
    }
    return static_cast<double>(value);
}

Extended Div(Extended a, Extended b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) {
            throw InvalidOperationError();
        }
        throw DivisionByZeroError();
    }
    const Extended q = a / b;
    if (std::isnan(q)) {
        throw InvalidOperationError();
    }
    if (std::isinf(q)) {
        throw OverflowError();
    }
    return q;
}

std::int64_t Trunc(Extended value) {
    // The comparisons are false for a NaN, which is refused with them.
    if (!(value > kTruncLow && value < kTruncHigh)) {
        throw InvalidOperationError();
    }
    return static_cast<std::int64_t>(value);
}

double TruncDecimals(Extended value, int scale) {
    const std::int64_t whole = Trunc(value * scale);
    return Store(static_cast<Extended>(whole) / scale);
}

double DmsToDegrees(double degrees, double minutes, double seconds) {
    return Store(Extended{seconds} / 3600 + Extended{minutes} / 60 + degrees);
}

Extended DegToRad(double degrees) {
    return kPi * degrees / 180;
}

// Products and sums of finite doubles cannot leave the extended range, and the
// sine and cosine of a finite argument are finite: only division and storing
// need checks.
Extended Sin(Extended radians) {
    return sinl(radians);
}
Extended Cos(Extended radians) {
    return cosl(radians);
}

Extended Cotangent(double degrees) {
    const Extended cosine = Cos(DegToRad(degrees));
    const Extended sine = Sin(DegToRad(degrees));
    return Div(cosine, sine);
}

Extended Tangent(double degrees) {
    const Extended sine = Sin(DegToRad(degrees));
    const Extended cosine = Cos(DegToRad(degrees));
    return Div(sine, cosine);
}

Extended Mean(double a, double b) {
    return (Extended{a} + b) / 2;
}

}  // namespace zas
