#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the program needs, builds the program alone (no tests,
# benchmarks or fuzzer), and starts Zasechka.
set -euo pipefail
cd "$(dirname "$0")"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display to show the windows on: start Zasechka on a virtual one with  xvfb-run -a ./run.sh" >&2
  exit 1
fi
scripts/setup.sh
scripts/build.sh build -DZAS_BUILD_TESTS=OFF -DZAS_BUILD_BENCHMARKS=OFF -DZAS_BUILD_FUZZERS=OFF
exec ./build/zasechka
