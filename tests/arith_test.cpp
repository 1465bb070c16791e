// SPDX-License-Identifier: GPL-3.0-or-later
// The extended-precision steps: angle conversion, truncation, cuts, ratios and
// the floating-point faults each step can raise.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>
#include <mpfr.h>

#include "arith/errors.h"
#include "arith/extended.h"

namespace zas {

// How a failed assertion shows an extended value: decimal, then exact.
void PrintTo(const Extended& x, std::ostream* out) {
    *out << ToScientific(x, 20) << " (" << (x.negative() ? "-" : "") << "0x" << std::hex
         << x.significand() << std::dec << "p" << x.exponent() << ")";
}

namespace {

TEST(Extended, PiIsTheNearestExtendedValue) {
    EXPECT_EQ(kPi.significand(), 0xC90FDAA22168C235ULL);
    EXPECT_EQ(kPi.exponent() + 64, 2);
}

TEST(Extended, EachKindMadeOnlyItsOwnWay) {
    EXPECT_THROW(Extended::Finite(false, 1ULL << 62, 0), std::invalid_argument);
    EXPECT_THROW(Extended::Special(Extended::Kind::kFinite, false), std::invalid_argument);
}

TEST(Extended, ToScientificGivesTheWholeText) {
    // The double nearest 0.1 exactly, and six zeros after it.
    EXPECT_EQ(ToScientific(0.1, 60),
              "1.000000000000000055511151231257827021181583404541015625000000e-01");
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
    EXPECT_EQ(Trunc(2.9_ext), 2);
    EXPECT_EQ(Trunc(-2.9_ext), -2);
    // [0.5, 1): the largest exponent below one.
    EXPECT_EQ(Trunc(0.5_ext), 0);
    EXPECT_EQ(Trunc(-0.75_ext), 0);
    EXPECT_EQ(Trunc(1 - 0x1p-64_ext), 0);
    EXPECT_EQ(Trunc(0x1p63_ext - 1), INT64_MAX);
    EXPECT_EQ(Trunc(-0x1p63_ext), INT64_MIN);
    EXPECT_EQ(Trunc(-0x1p63_ext - 0.5_ext), INT64_MIN);
    EXPECT_THROW(Trunc(0x1p63_ext), InvalidOperationError);
    EXPECT_THROW(Trunc(-0x1p63_ext - 1), InvalidOperationError);
    EXPECT_THROW(Trunc(std::numeric_limits<Extended>::quiet_NaN()), InvalidOperationError);
    EXPECT_THROW(Trunc(std::numeric_limits<Extended>::infinity()), InvalidOperationError);
}

TEST(TruncDecimals, CutsTowardZeroNeverRounds) {
    EXPECT_EQ(TruncDecimals(-0.123456_ext, 100000), -0.12345);
    EXPECT_EQ(TruncDecimals(123.456_ext, 100), 123.45);
    EXPECT_EQ(TruncDecimals(-192.379_ext, 100), -192.37);
    EXPECT_EQ(TruncDecimals(0.999996_ext, 100000), 0.99999);
    // The double nearest 0.29 lies just below it, so it falls to 0.28.
    EXPECT_EQ(TruncDecimals(0.29, 100), 0.28);
    EXPECT_THROW(TruncDecimals(1e15_ext, 100000), InvalidOperationError);
}

TEST(Div, ZeroDivisorsAreFaults) {
    EXPECT_EQ(Div(1, 4), 0.25_ext);
    EXPECT_THROW(Div(1, 0), DivisionByZeroError);
    EXPECT_THROW(Div(-1, -0.0_ext), DivisionByZeroError);
    EXPECT_THROW(Div(0, 0), InvalidOperationError);
    EXPECT_THROW(Div(std::numeric_limits<Extended>::max(), 0.5_ext), OverflowError);
}

TEST(Store, RoundsOnceAndRefusesWhatNoDoubleHolds) {
    EXPECT_EQ(Store(1.0_ext / 3), 1.0 / 3);
    EXPECT_EQ(Store(std::numeric_limits<Extended>::min()), 0.0);  // underflow is no fault
    EXPECT_EQ(Store(1e-320_ext), 1e-320);
    // Just above DBL_MAX but below the halfway point to 2^1024: rounds down.
    EXPECT_EQ(Store(0x1.fffffffffffff7p1023_ext), DBL_MAX);
    EXPECT_THROW(Store(0x1.fffffffffffff8p1023_ext), OverflowError);
    EXPECT_THROW(Store(-1e309_ext), OverflowError);
    EXPECT_THROW(Store(std::numeric_limits<Extended>::quiet_NaN()), InvalidOperationError);
    // The double's own limits, and the subnormal ones rounded to nearest even.
    EXPECT_EQ(Store(-DBL_MAX), -DBL_MAX);
    EXPECT_EQ(Store(DBL_MIN), DBL_MIN);
    EXPECT_EQ(Store(0x1p-1075_ext), 0.0);
    EXPECT_EQ(Store(0x3p-1076_ext), DBL_TRUE_MIN);
    EXPECT_EQ(Store(0x5p-1075_ext), 2 * DBL_TRUE_MIN);
}

TEST(Ratios, CotangentAndTangentOfTheSamples) {
    EXPECT_NEAR(Store(Cotangent(38.65472222222222)), 1.2502274932, 1e-10);
    EXPECT_EQ(TruncDecimals(Cotangent(38.65472222222222), 100000), 1.25022);
    EXPECT_EQ(TruncDecimals(Cotangent(103.25972222222222), 100000), -0.23564);
    EXPECT_EQ(TruncDecimals(Tangent(DmsToDegrees(261, 41, 38)), 100000), 6.84963);
    // The cotangent of 89°59′50″ is 0.0000484…, cut to 0.00004.
    EXPECT_EQ(TruncDecimals(Cotangent(DmsToDegrees(89, 59, 50)), 100000), 0.00004);
    // At 45° the extended sine exceeds the cosine by one unit in the last
    // place: the cut cotangent falls to 0.99999, the tangent stays 1.
    EXPECT_EQ(TruncDecimals(Cotangent(45), 100000), 0.99999);
    EXPECT_EQ(TruncDecimals(Tangent(45), 100000), 1.0);
}

TEST(SineAndCosine, CorrectlyRoundedTo64Bits) {
    EXPECT_EQ(Sin(DegToRad(45)), 0xB504F333F9DE6485p-64_ext);
    EXPECT_EQ(Cos(DegToRad(45)), 0xB504F333F9DE6484p-64_ext);
    EXPECT_EQ(Sin(DegToRad(90)), 1);
    EXPECT_EQ(Cos(DegToRad(90)), -0xECE675D1FC8F8CBBp-129_ext);
    // Far beyond any angle, where the reduction by pi needs a thousand bits.
    EXPECT_EQ(Sin(1e301_ext), -0xCF9146EFB901E38Ep-64_ext);
    EXPECT_EQ(Cos(1e301_ext), 0x95D6CB4515365F5Fp-64_ext);
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

#if LDBL_MANT_DIG == 64
// Where long double is the x87 type, the unit itself is the reference: random
// operands across the whole range, subnormals and overflows included.
TEST(Extended, AgreesWithTheX87UnitOnAMillionOperations) {
    std::mt19937_64 random(1207);
    const auto operand = [&random](long double& native) {
        const std::uint64_t m = random() >> (random() % 4 == 0 ? random() % 64 : 0);
        const int band = static_cast<int>(random() % 8);
        int exponent = static_cast<int>(random() % 160) - 80 - 63;
        if (band == 0) {
            exponent = static_cast<int>(random() % 200) - 16445 - 63;  // near the subnormals
        } else if (band == 1) {
            exponent = static_cast<int>(random() % 200) + 16184 - 63;  // near overflow
        }
        const bool negative = (random() & 1) != 0;
        native = ldexpl(static_cast<long double>(m), exponent) * (negative ? -1 : 1);
        return Extended::FromParts(negative, m, exponent);
    };
    const auto bits = [](const Extended& x) {
        const long double magnitude = x.kind() == Extended::Kind::kFinite
                                          ? ldexpl(x.significand(), x.exponent())
                                      : IsInf(x) ? HUGE_VALL
                                                 : 0.0L;
        return x.negative() ? -magnitude : magnitude;
    };
    for (int i = 0; i < 1'000'000; ++i) {
        long double a = 0;
        long double b = 0;
        const Extended x = operand(a);
        const Extended y = operand(b);
        ASSERT_TRUE(std::signbit(bits(x)) == std::signbit(a) && bits(x) == a) << i;
        const int op = i % 4;
        const long double native = op == 0 ? a + b : op == 1 ? a - b : op == 2 ? a * b : a / b;
        const Extended ours = op == 0 ? x + y : op == 1 ? x - y : op == 2 ? x * y : x / y;
        ASSERT_EQ(IsNaN(ours), std::isnan(native)) << i;
        if (!std::isnan(native)) {
            ASSERT_EQ(bits(ours), native) << i << " op " << op;
            ASSERT_EQ(std::signbit(bits(ours)), std::signbit(native)) << i;
        }
    }
}
#endif

// MPFR's exponent range is the thread's: another user's narrow one neither
// changes an extended result nor is changed by it.
TEST(Extended, LeavesTheThreadsMpfrRangeAsItFindsIt) {
    const mpfr_exp_t emin = mpfr_get_emin();
    const mpfr_exp_t emax = mpfr_get_emax();
    mpfr_set_emin(-100);
    mpfr_set_emax(100);
    const Extended smallest = std::numeric_limits<Extended>::min();
    EXPECT_EQ(smallest / 1024 * 1024, smallest);
    EXPECT_EQ(mpfr_get_emin(), -100);
    EXPECT_EQ(mpfr_get_emax(), 100);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
}

TEST(Mean, HalvedAtExtendedPrecisionUnstored) {
    EXPECT_NE(static_cast<Extended>(Store(Mean(0.1, 0.2))), Mean(0.1, 0.2));
}

}  // namespace
}  // namespace zas
