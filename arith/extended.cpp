// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/extended.h"

#include <mpfr.h>

#include <array>
#include <cstdio>
#include <new>

#include "arith/errors.h"

namespace zas {

namespace {

// The x87 extended format in MPFR's terms (a significand in [1/2, 1)): 64
// bits; the largest finite value just below 2^16384; the smallest subnormal
// 2^-16445, that is 1/2 * 2^-16444. mpfr_subnormalize then gives values below
// 2^-16382 the fewer bits the x87 unit gives them.
constexpr mpfr_prec_t kPrecision = 64;
constexpr mpfr_exp_t kEmin = -16444;
constexpr mpfr_exp_t kEmax = 16384;

static_assert(GMP_NUMB_BITS == 64 || GMP_NUMB_BITS == 32,
              "the 64-bit significand is kept in one or two whole limbs");
constexpr int kLimbs = 64 / GMP_NUMB_BITS;
using Limbs = std::array<mp_limb_t, kLimbs>;

// MPFR's exponent range belongs to the thread, not to a number, and MPFR
// expects every operand within it. Each operation sets the extended range for
// itself and gives the caller's back afterwards, so that no other MPFR user
// in the process sees a different range.
class ExtendedRange {
  public:
    ExtendedRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        if (emin_ != kEmin) {
            mpfr_set_emin(kEmin);
        }
        if (emax_ != kEmax) {
            mpfr_set_emax(kEmax);
        }
    }
    ~ExtendedRange() {
        if (emin_ != kEmin) {
            mpfr_set_emin(emin_);
        }
        if (emax_ != kEmax) {
            mpfr_set_emax(emax_);
        }
    }
    ExtendedRange(const ExtendedRange&) = delete;
    ExtendedRange& operator=(const ExtendedRange&) = delete;

  private:
    mpfr_exp_t emin_;
    mpfr_exp_t emax_;
};

Limbs ToLimbs(std::uint64_t significand) {
    Limbs limbs{};
    for (int i = 0; i < kLimbs; ++i) {
        limbs[i] = static_cast<mp_limb_t>(significand >> (i * GMP_NUMB_BITS));
    }
    return limbs;
}

std::uint64_t FromLimbs(const mp_limb_t* limbs) {
    std::uint64_t significand = 0;
    for (int i = 0; i < kLimbs; ++i) {
        significand |= static_cast<std::uint64_t>(limbs[i]) << (i * GMP_NUMB_BITS);
    }
    return significand;
}

int MpfrKind(const Extended& x) {
    int kind = MPFR_NAN_KIND;
    switch (x.kind()) {
        case Extended::Kind::kZero:
            kind = MPFR_ZERO_KIND;
            break;
        case Extended::Kind::kFinite:
            kind = MPFR_REGULAR_KIND;
            break;
        case Extended::Kind::kInfinity:
            kind = MPFR_INF_KIND;
            break;
        case Extended::Kind::kNaN:
            return MPFR_NAN_KIND;
    }
    return x.negative() ? -kind : kind;
}

// An extended value seen by MPFR: its significand in limbs on the stack.
class Operand {
  public:
    explicit Operand(const Extended& x) : limbs_(ToLimbs(x.significand())) {
        mpfr_custom_init_set(value_, MpfrKind(x), x.exponent() + kPrecision, kPrecision,
                             limbs_.data());
    }
    Operand(const Operand&) = delete;
    Operand& operator=(const Operand&) = delete;
    mpfr_srcptr get() const { return value_; }

  private:
    Limbs limbs_;
    mpfr_t value_;
};

// Where MPFR writes a result of 64 bits, on the stack, until it becomes an
// Extended.
class Result {
  public:
    Result() {
        mpfr_custom_init(limbs_.data(), kPrecision);
        mpfr_custom_init_set(value_, MPFR_ZERO_KIND, 0, kPrecision, limbs_.data());
    }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    mpfr_ptr get() { return value_; }

    // The result rounded into the extended range, a subnormal to its fewer
    // bits, each once from the exact value: ternary says on which side of it
    // the 64-bit rounding fell. Needs the extended range in force.
    Extended Finish(int ternary) {
        ternary = mpfr_check_range(value_, ternary, MPFR_RNDN);
        mpfr_subnormalize(value_, ternary, MPFR_RNDN);
        const int kind = mpfr_custom_get_kind(value_);
        const bool negative = kind < 0;
        switch (kind < 0 ? -kind : kind) {
            case MPFR_ZERO_KIND:
                return Extended::Special(Extended::Kind::kZero, negative);
            case MPFR_INF_KIND:
                return Extended::Special(Extended::Kind::kInfinity, negative);
            case MPFR_REGULAR_KIND:
                return Extended::Finite(
                    negative,
                    FromLimbs(static_cast<const mp_limb_t*>(mpfr_custom_get_significand(value_))),
                    static_cast<int>(mpfr_custom_get_exp(value_) - kPrecision));
            default:
                return Extended::Special(Extended::Kind::kNaN, false);
        }
    }

  private:
    Limbs limbs_;
    mpfr_t value_;
};

using BinaryOperation = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
using UnaryOperation = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

Extended Apply(BinaryOperation operation, const Extended& a, const Extended& b) {
    const ExtendedRange range;
    const Operand x(a);
    const Operand y(b);
    Result z;
    return z.Finish(operation(z.get(), x.get(), y.get(), MPFR_RNDN));
}

Extended Apply(UnaryOperation operation, const Extended& a) {
    const ExtendedRange range;
    const Operand x(a);
    Result z;
    return z.Finish(operation(z.get(), x.get(), MPFR_RNDN));
}

// mpfr_sin_cos returns both ternary values in one: s + 4c, where 0 stands for
// exact, 1 for rounded up, 2 for rounded down.
int Ternary(int code) {
    return code == 0 ? 0 : (code == 1 ? 1 : -1);
}

struct SineAndCosine {
    Extended sine;
    Extended cosine;
};

// Both correctly rounded, from one reduction of the argument.
SineAndCosine SinCos(const Extended& radians) {
    const ExtendedRange range;
    const Operand x(radians);
    Result sine;
    Result cosine;
    const int code = mpfr_sin_cos(sine.get(), cosine.get(), x.get(), MPFR_RNDN);
    return {sine.Finish(Ternary(code & 3)), cosine.Finish(Ternary(code >> 2))};
}

}  // namespace

Extended Extended::FromParts(bool negative, std::uint64_t significand, int exponent) {
    const Extended exact = FromInteger(negative, significand);
    if (exact.kind() == Kind::kZero) {
        return Special(Kind::kZero, negative);
    }
    // Exact in 64 bits; only the range may need rounding.
    const ExtendedRange range;
    Limbs limbs = ToLimbs(exact.significand());
    Result z;
    mpfr_custom_init_set(z.get(), negative ? -MPFR_REGULAR_KIND : MPFR_REGULAR_KIND,
                         static_cast<mpfr_exp_t>(exact.exponent()) + exponent + kPrecision,
                         kPrecision, limbs.data());
    return z.Finish(0);
}

Extended Extended::FromText(const char* text) {
    const ExtendedRange range;
    Result z;
    char* end = nullptr;
    const int ternary = mpfr_strtofr(z.get(), text, &end, 0, MPFR_RNDN);
    if (end == text || *end != '\0') {
        return Special(Kind::kNaN, false);
    }
    return z.Finish(ternary);
}

Extended operator+(const Extended& a, const Extended& b) {
    return Apply(mpfr_add, a, b);
}
Extended operator-(const Extended& a, const Extended& b) {
    return Apply(mpfr_sub, a, b);
}
Extended operator*(const Extended& a, const Extended& b) {
    return Apply(mpfr_mul, a, b);
}
Extended operator/(const Extended& a, const Extended& b) {
    return Apply(mpfr_div, a, b);
}

bool operator==(const Extended& a, const Extended& b) {
    const ExtendedRange range;
    const Operand x(a);
    const Operand y(b);
    return mpfr_equal_p(x.get(), y.get()) != 0;
}

std::string ToScientific(const Extended& value, int decimals) {
    const ExtendedRange range;
    const Operand x(value);
    char* text = nullptr;
    if (mpfr_asprintf(&text, "%.*Re", decimals, x.get()) < 0) {
        throw std::bad_alloc();
    }
    std::string whole(text);
    mpfr_free_str(text);
    return whole;
}

double Store(Extended value) {
    if (IsNaN(value)) {
        throw InvalidOperationError();
    }
    const ExtendedRange range;
    const Operand x(value);
    // Correctly rounded, subnormal doubles included; past the halfway point
    // between DBL_MAX and 2^1024 it is an infinity.
    const double stored = mpfr_get_d(x.get(), MPFR_RNDN);
    if (stored > std::numeric_limits<double>::max() ||
        stored < -std::numeric_limits<double>::max()) {
        throw OverflowError();
    }
    return stored;
}

Extended Div(Extended a, Extended b) {
    if (b.kind() == Extended::Kind::kZero) {
        if (a.kind() == Extended::Kind::kZero || IsNaN(a)) {
            throw InvalidOperationError();
        }
        throw DivisionByZeroError();
    }
    const Extended q = a / b;
    if (IsNaN(q)) {
        throw InvalidOperationError();
    }
    if (IsInf(q)) {
        throw OverflowError();
    }
    return q;
}

std::int64_t Trunc(Extended value) {
    switch (value.kind()) {
        case Extended::Kind::kZero:
            return 0;
        case Extended::Kind::kInfinity:
        case Extended::Kind::kNaN:
            throw InvalidOperationError();
        case Extended::Kind::kFinite:
            break;
    }
    // |value| = significand * 2^exponent with the significand's top bit set.
    const std::uint64_t significand = value.significand();
    const int exponent = value.exponent();
    if (exponent <= -64) {
        return 0;  // below 1 in magnitude
    }
    if (exponent > 0 || (exponent == 0 && !(value.negative() && significand == 1ULL << 63))) {
        throw InvalidOperationError();  // 2^63 or more, below -2^63
    }
    const std::uint64_t magnitude = exponent == 0 ? significand : significand >> -exponent;
    return value.negative() ? static_cast<std::int64_t>(0ULL - magnitude)
                            : static_cast<std::int64_t>(magnitude);
}

double TruncDecimals(Extended value, int scale) {
    const std::int64_t whole = Trunc(value * scale);
    return Store(Extended{whole} / scale);
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
    return Apply(mpfr_sin, radians);
}
Extended Cos(Extended radians) {
    return Apply(mpfr_cos, radians);
}

Extended Cotangent(double degrees) {
    const auto [sine, cosine] = SinCos(DegToRad(degrees));
    return Div(cosine, sine);
}

Extended Tangent(double degrees) {
    const auto [sine, cosine] = SinCos(DegToRad(degrees));
    return Div(sine, cosine);
}

Extended Mean(double a, double b) {
    return (Extended{a} + b) / 2;
}

}  // namespace zas
