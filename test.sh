#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything, and runs every test twice: in
# the normal build, and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Then the worksheet fuzzer runs for 60 seconds.
# Last, the toolkit-free core is cross-built for arm64 and its tests run under
# QEMU, and a corpus of sheets computed on both CPUs must print the same.
# A compiler warning fails the build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

echo "== Normal build"
scripts/build.sh build -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DZAS_BUILD_BENCHMARKS=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

echo "== Worksheet fuzzer, 60 seconds"
scripts/fuzz.sh 60

echo "== arm64 build of the core, its tests under QEMU"
scripts/setup_arm64.sh
scripts/build.sh build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake \
  -DZAS_BUILD_APP=OFF -DZAS_BUILD_BENCHMARKS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
ctest --test-dir build-arm64 --output-on-failure -j"$(nproc)"

echo "== The same sheets on x86-64 and arm64"
scripts/crosscheck.sh build build-arm64
