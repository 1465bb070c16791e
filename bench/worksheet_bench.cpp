// SPDX-License-Identifier: GPL-3.0-or-later
// Whole computations of the worked examples through a map of field texts,
// texts in and texts out, and the two number conversions alone.
#include <benchmark/benchmark.h>

#include "arith/number_text.h"
#include "gauss/gauss_calc.h"
#include "jung/jung_calc.h"
#include "tests/samples.h"

namespace {

using zas::testing::MapFields;
using zas::operator""_ext;

void RunWorksheet(benchmark::State& state, void (*compute)(zas::WorksheetFields&),
                  MapFields fields) {
    zas::SetDecimalSeparator(",");
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

void BM_StrToFloat(benchmark::State& state) {
    zas::SetDecimalSeparator(",");
    const std::string text = "-1822,81";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zas::StrToFloat(text));
    }
}
BENCHMARK(BM_StrToFloat);

void BM_FloatToStr(benchmark::State& state) {
    zas::SetDecimalSeparator(",");
    zas::Extended value = -173.7189475_ext;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(zas::FloatToStr(value));
    }
}
BENCHMARK(BM_FloatToStr);

}  // namespace

BENCHMARK_MAIN();
