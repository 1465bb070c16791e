#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything, and runs every test twice: in
# the normal build, and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Then the worksheet fuzzer runs for 60 seconds,
# and the Debian package made from the normal build is checked. Then the
# toolkit-free core is cross-built for arm64 and its tests run under QEMU,
# and a corpus of sheets computed on both CPUs must print the same. Last,
# the program is built for Windows (its dependencies from Debian's sources,
# cached), its tests run under wine, the corpus it prints there must be
# Linux's, it runs once on Windows' own platform on a virtual display, and
# its installer goes in and out of a fresh wine prefix. A compiler warning
# fails the build. The output ends with one line per stage's outcome and the
# totals:
#   Summary: normal 85/85 passed, asan 85/85 passed, fuzzer 60 s clean, packaging 14/14 passed,
#     arm64 71/71 passed, cross-CPU sheets identical, windows 87/87 passed,
#     Linux and Windows sheets identical, Windows smoke run passed, installer 86/86 passed
#   Total: 432 passed, 0 failed
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --tests
export QT_QPA_PLATFORM=offscreen

# Each stage's outcome: its words for the summary, and its passed and failed
# counts for the totals.
summary=()
passed=0
failed=0
record() {  # words, passed, failed
  summary+=("$1")
  passed=$((passed + $2))
  failed=$((failed + $3))
}
ctest_stage() {  # name, build folder, [environment...]: runs its tests, records the counts
  local name=$1 dir=$2 log
  shift 2
  log=$(mktemp)
  # shellcheck disable=SC2086 # ctest_options: words for ctest, set for one call
  env "$@" ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" ${ctest_options:-} |
    tee "$log" || true
  # ctest's closing line: "100% tests passed, 0 tests failed out of 55"
  local line total bad
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  rm -f "$log"
  if [[ -z "$line" ]]; then
    record "$name did not finish" 0 1
    return
  fi
  total=${line##* }
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  record "$name $((total - bad))/$total passed" $((total - bad)) "$bad"
}
command_stage() {  # words when it succeeds, words when it fails, command...
  local good=$1 bad=$2
  shift 2
  if "$@"; then record "$good" 1 0; else record "$bad" 0 1; fi
}
counted_stage() {  # name, the word its closing line starts with, command...
  # The closing line of the command's output: "Packaging: 14 passed, 0 failed"
  local name=$1 word=$2 log line good bad
  shift 2
  log=$(mktemp)
  "$@" | tee "$log" || true
  if line=$(grep -E "^$word: [0-9]+ passed, [0-9]+ failed\$" "$log"); then
    read -r _ good _ bad _ <<<"$line"
    record "$name $good/$((good + bad)) passed" "$good" "$bad"
  else
    record "$name did not finish" 0 1
  fi
  rm -f "$log"
}

echo "== Normal build"
scripts/build.sh build -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DZAS_BUILD_TESTS=ON \
  -DZAS_BUILD_BENCHMARKS=ON
ctest_stage normal build

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DZAS_BUILD_BENCHMARKS=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
ctest_stage asan build-asan ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1

echo "== Worksheet fuzzer, 60 seconds"
command_stage "fuzzer 60 s clean" "fuzzer 60 s FAILED" scripts/fuzz.sh 60

echo "== Debian package"
counted_stage packaging Packaging scripts/check_package.sh build

echo "== arm64 build of the core, its tests under QEMU"
scripts/setup_arm64.sh
scripts/build.sh build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake \
  -DZAS_BUILD_APP=OFF -DZAS_BUILD_BENCHMARKS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
ctest_stage arm64 build-arm64

echo "== The same sheets on x86-64 and arm64"
command_stage "cross-CPU sheets identical" "cross-CPU sheets DIFFER" \
  scripts/crosscheck.sh build build-arm64

echo "== Windows build: the dependencies from Debian's sources (cached), the program, the installer"
if scripts/windows.sh build-windows; then
  echo "== The Windows build's tests under wine"
  # Now and then wine fails to start a program at all (no output, a failed
  # exit code, in hundredths of a second): a test that fails is run once
  # more there; one that fails twice fails the stage.
  ctest_options="--repeat until-pass:2" ctest_stage windows build-windows
  echo "== The same sheets on Linux and on Windows"
  command_stage "Linux and Windows sheets identical" "Linux and Windows sheets DIFFER" \
    scripts/crosscheck.sh build build-windows
  echo "== The Windows program on its own platform under wine, on a virtual display"
  command_stage "Windows smoke run passed" "Windows smoke run FAILED" \
    scripts/windows_smoke.sh build-windows
  echo "== The installer and the portable zip in a fresh wine prefix"
  counted_stage installer Installer packaging/windows/installer_test.sh build-windows \
    "$(sed -nE 's/^project\(Zasechka VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)"
else
  record "Windows build FAILED" 0 1
fi

echo
summary_line=$(printf '%s, ' "${summary[@]}")
echo "Summary: ${summary_line%, }"
echo "Total: $passed passed, $failed failed"
((failed == 0))
