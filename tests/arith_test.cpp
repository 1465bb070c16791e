// SPDX-License-Identifier: GPL-3.0-or-later
// The extended-precision steps: angle conversion, truncation, cuts, ratios and
// the floating-point faults each step can raise.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "arith/errors.h"
#include "arith/extended.h"

namespace zas {
namespace {

TEST(Extended, PiIsTheNearestExtendedValue) {
    int exponent = 0;
    const Extended fraction = std::frexp(kPi, &exponent);
    EXPECT_EQ(static_cast<std::uint64_t>(std::ldexp(fraction, 64)), 0xC90FDAA22168C235ULL);
    EXPECT_EQ(exponent, 2);
}

TEST(DmsToDegrees, SecondsThenMinutesThenDegrees) {
    EXPECT_EQ(DmsToDegrees(103, 15, 35), 103.25972222222222);
    EXPECT_EQ(DmsToDegrees(38, 39, 17), 38.65472222222222);
    EXPECT_EQ(DmsToDegrees(26, 50, 16), 26.837777777777777);
    EXPECT_EQ(DmsToDegrees(92, 26, 10), 92.43611111111112);
    // The sign of the degrees does not carry to the minutes.
    EXPECT_EQ(DmsToDegrees(-10, 30, 0), -9.5);
    // Fractions and any range are accepted.
    EXPECT_EQ(DmsToDegrees(0.5, 90, -3600), 1.0);
    // Degrees added last: from left to right the sum would end one unit of the
    // last place higher, at 237.80436666666668.
    EXPECT_EQ(DmsToDegrees(237, 48, 15.72), 237.80436666666665);
    EXPECT_NE(Store(Extended{237} + Extended{48} / 60 + Extended{15.72} / 3600),
              237.80436666666665);
}

TEST(DmsToDegrees, ADoubleOverflowOnStoringIsAnError) {
    EXPECT_THROW(DmsToDegrees(1.7976e308, 1e308, 0), OverflowError);
    EXPECT_EQ(DmsToDegrees(DBL_MAX, 0, 0), DBL_MAX);
}

TEST(Trunc, TowardZeroWithinTheSigned64BitRange) {
    EXPECT_EQ(Trunc(2.9L), 2);
    EXPECT_EQ(Trunc(-2.9L), -2);
    EXPECT_EQ(Trunc(0x1p63L - 1), INT64_MAX);
    EXPECT_EQ(Trunc(-0x1p63L), INT64_MIN);
    EXPECT_EQ(Trunc(-0x1p63L - 0.5L), INT64_MIN);
    EXPECT_THROW(Trunc(0x1p63L), InvalidOperationError);
    EXPECT_THROW(Trunc(-0x1p63L - 1), InvalidOperationError);
    EXPECT_THROW(Trunc(std::numeric_limits<Extended>::quiet_NaN()), InvalidOperationError);
    EXPECT_THROW(Trunc(std::numeric_limits<Extended>::infinity()), InvalidOperationError);
}

TEST(TruncDecimals, CutsTowardZeroNeverRounds) {
    EXPECT_EQ(TruncDecimals(-0.123456L, 100000), -0.12345);
    EXPECT_EQ(TruncDecimals(123.456L, 100), 123.45);
    EXPECT_EQ(TruncDecimals(-192.379L, 100), -192.37);
    EXPECT_EQ(TruncDecimals(0.999996L, 100000), 0.99999);
    // The double nearest 0.29 lies just below it, so it falls to 0.28.
    EXPECT_EQ(TruncDecimals(0.29, 100), 0.28);
    EXPECT_THROW(TruncDecimals(1e15L, 100000), InvalidOperationError);
}

TEST(Div, ZeroDivisorsAreFaults) {
    EXPECT_EQ(Div(1, 4), 0.25L);
    EXPECT_THROW(Div(1, 0), DivisionByZeroError);
    EXPECT_THROW(Div(-1, -0.0L), DivisionByZeroError);
    EXPECT_THROW(Div(0, 0), InvalidOperationError);
    EXPECT_THROW(Div(LDBL_MAX, 0.5L), OverflowError);
}

TEST(Store, RoundsOnceAndRefusesWhatNoDoubleHolds) {
    EXPECT_EQ(Store(1.0L / 3), 1.0 / 3);
    EXPECT_EQ(Store(LDBL_MIN), 0.0);  // underflow is no fault
    EXPECT_EQ(Store(1e-320L), 1e-320);
    // Just above DBL_MAX but below the halfway point to 2^1024: rounds down.
    EXPECT_EQ(Store(0x1.fffffffffffff7p1023L), DBL_MAX);
    EXPECT_THROW(Store(0x1.fffffffffffff8p1023L), OverflowError);
    EXPECT_THROW(Store(-1e309L), OverflowError);
    EXPECT_THROW(Store(std::numeric_limits<Extended>::quiet_NaN()), InvalidOperationError);
}

TEST(Ratios, CotangentAndTangentOfTheSamples) {
    EXPECT_NEAR(static_cast<double>(Cotangent(38.65472222222222)), 1.2502274932, 1e-10);
    EXPECT_EQ(TruncDecimals(Cotangent(38.65472222222222), 100000), 1.25022);
    EXPECT_EQ(TruncDecimals(Cotangent(103.25972222222222), 100000), -0.23564);
    EXPECT_EQ(TruncDecimals(Tangent(DmsToDegrees(261, 41, 38)), 100000), 6.84963);
    // The cotangent of 89°59′50″ is 0.0000484…, cut to 0.00004.
    EXPECT_EQ(TruncDecimals(Cotangent(DmsToDegrees(89, 59, 50)), 100000), 0.00004);
}

TEST(Ratios, PolesAreFaults) {
    // At 0° the sine is exactly zero.
    EXPECT_THROW(Cotangent(0), DivisionByZeroError);
    // At 180° and 90° the sine or cosine of the extended radian value is tiny
    // but not zero: the ratio exists, its scaled value does not fit 64 bits.
    EXPECT_THROW(TruncDecimals(Cotangent(180), 100000), InvalidOperationError);
    EXPECT_THROW(TruncDecimals(Cotangent(360), 100000), InvalidOperationError);
    EXPECT_THROW(TruncDecimals(Tangent(90), 100000), InvalidOperationError);
    EXPECT_THROW(TruncDecimals(Tangent(270), 100000), InvalidOperationError);
}

TEST(Mean, HalvedAtExtendedPrecisionUnstored) {
    EXPECT_NE(static_cast<Extended>(Store(Mean(0.1, 0.2))), Mean(0.1, 0.2));
}

}  // namespace
}  // namespace zas
