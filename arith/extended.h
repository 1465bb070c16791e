// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric model of the worksheets. Every named quantity is a double between
// steps; inside a step the expression is evaluated in the x87 80-bit extended
// type and rounded to double once, when it is stored (Store). Floating-point
// faults are detected here, explicitly, at the operation that causes them.
#pragma once

#include <cfloat>
#include <cstdint>

namespace zas {

static_assert(LDBL_MANT_DIG == 64,
              "Zasechka needs long double to be the 80-bit extended type with a 64-bit "
              "significand (x86-64 with GCC or Clang): the worksheets' last digits depend on it.");

using Extended = long double;

// pi rounded to the nearest extended value: significand C90FDAA22168C235 hex.
inline constexpr Extended kPi = 0xC.90FDAA22168C235p-2L;

// Rounds an extended value to the double that is stored between steps.
// A value too large for a double raises OverflowError; a NaN (only possible
// after an invalid operation) raises InvalidOperationError.
double Store(Extended value);

// a / b at extended precision. b = 0 raises DivisionByZeroError, or
// InvalidOperationError when a is 0 too; an infinite quotient raises
// OverflowError.
Extended Div(Extended a, Extended b);

// Truncation toward zero to a signed 64-bit integer. A value whose truncation
// lies outside the signed 64-bit range, or a NaN, raises InvalidOperationError.
std::int64_t Trunc(Extended value);

// Cuts toward zero to the decimals of scale (100000: five, 100: two):
// value times scale, truncated, back to extended, divided by scale, stored.
double TruncDecimals(Extended value, int scale);

// Degrees, minutes and seconds to decimal degrees: seconds / 3600 plus
// minutes / 60, then plus degrees, in extended precision; stored. Any real
// numbers are accepted; the sign of the degrees does not carry to the rest.
double DmsToDegrees(double degrees, double minutes, double seconds);

// pi times degrees, divided by 180. Not stored: goes straight to Sin or Cos.
Extended DegToRad(double degrees);

Extended Sin(Extended radians);
Extended Cos(Extended radians);

// The worksheets' trigonometric ratios of an angle in decimal degrees, each one
// extended quotient, not yet cut: cosine over sine, and sine over cosine.
Extended Cotangent(double degrees);
Extended Tangent(double degrees);

// The mean of two stored values: summed and halved at extended precision, not
// stored.
Extended Mean(double a, double b);

}  // namespace zas
