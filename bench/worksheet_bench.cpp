// SPDX-License-Identifier: GPL-3.0-or-later
// Whole computations of the worked examples through a map of field texts,
// texts in and texts out, the two number conversions alone, and the extended
// operations and ratios they are made of.
#include <benchmark/benchmark.h>

#include "arith/number_text.h"
#include "check/sheet_check.h"
#include "gauss/gauss_calc.h"
#include "jung/jung_calc.h"
#include "tests/samples.h"

namespace {

using zas::testing::MapFields;
using zas::operator""_ext;

void RunWorksheet(benchmark::State& state, void (*compute)(zas::WorksheetFields&),
                  MapFields fields) {
    for (auto _ : state) {
        fields.reads.clear();
        fields.writes.clear();
        compute(fields);
        benchmark::DoNotOptimize(fields);
    }
}

void BM_JungWorkedExample(benchmark::State& state) {
    RunWorksheet(state, zas::ComputeJung, zas::testing::JungSample());
}
BENCHMARK(BM_JungWorkedExample);

void BM_GaussWorkedExample(benchmark::State& state) {
    RunWorksheet(state, zas::ComputeGauss, zas::testing::GaussSample());
}
BENCHMARK(BM_GaussWorkedExample);

// Checking a sheet filled in by hand (the worked example with two slips)
// against one computation of it: the check computes the sheet once on a copy
// and weighs each written value.
void CheckWorksheet(benchmark::State& state, const zas::check::Method& method, MapFields fields,
                    const char* slips) {
    method.compute(fields);
    fields.Assign(slips);
    for (auto _ : state) {
        fields.reads.clear();
        benchmark::DoNotOptimize(zas::check::CheckSheet(method, fields));
    }
}

void BM_JungCheck(benchmark::State& state) {
    CheckWorksheet(state, zas::check::JungMethod(), zas::testing::JungSample(),
                   "Ectgb2=1,25023 EXpp1=2924,53");
}
BENCHMARK(BM_JungCheck);

void BM_GaussCheck(benchmark::State& state) {
    CheckWorksheet(state, zas::check::GaussMethod(), zas::testing::GaussSample(),
                   "Etga2=0,76947 Etgaa2=6,84964");
}
BENCHMARK(BM_GaussCheck);

void BM_StrToFloat(benchmark::State& state) {
    const std::string text = "-1822,81";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zas::StrToFloat(text, ","));
    }
}
BENCHMARK(BM_StrToFloat);

void BM_FloatToStr(benchmark::State& state) {
    zas::Extended value = -173.7189475_ext;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(zas::FloatToStr(value, ","));
    }
}
BENCHMARK(BM_FloatToStr);

// The extended arithmetic one operation at a time, on values of a sheet.
void BM_ExtendedOperation(benchmark::State& state) {
    zas::Extended a = 1822.81;
    zas::Extended b = -0.23564;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        switch (state.range(0)) {
            case 0:
                benchmark::DoNotOptimize(a + b);
                break;
            case 1:
                benchmark::DoNotOptimize(a * b);
                break;
            case 2:
                benchmark::DoNotOptimize(a / b);
                break;
            default:
                benchmark::DoNotOptimize(zas::Store(a / b));
                break;
        }
    }
}
BENCHMARK(BM_ExtendedOperation)->ArgName("add_mul_div_divstore")->DenseRange(0, 3);

void BM_Sine(benchmark::State& state) {
    const zas::Extended radians = zas::DegToRad(38.65472222222222);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zas::Sin(radians));
    }
}
BENCHMARK(BM_Sine);

// One ratio: the angle to radians, sine and cosine from one call, the quotient.
void BM_Cotangent(benchmark::State& state) {
    double degrees = 38.65472222222222;
    for (auto _ : state) {
        benchmark::DoNotOptimize(degrees);
        benchmark::DoNotOptimize(zas::Cotangent(degrees));
    }
}
BENCHMARK(BM_Cotangent);

}  // namespace

BENCHMARK_MAIN();
