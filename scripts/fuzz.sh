#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the worksheet fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it from the committed seeds.
#   scripts/fuzz.sh [seconds] [extra libFuzzer options...]
# The default is 60 seconds, as the test command runs it. New inputs go to
# build-fuzz/corpus (kept between runs); a crashing input to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  -DZAS_BUILD_APP=OFF -DZAS_BUILD_TESTS=OFF -DZAS_BUILD_BENCHMARKS=OFF \
  -DZAS_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target worksheet_fuzzer

mkdir -p build-fuzz/corpus
cd build-fuzz
./fuzz/worksheet_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
  -timeout=10 -rss_limit_mb=2048 -dict=../fuzz/worksheet.dict "$@" corpus ../fuzz/seeds
