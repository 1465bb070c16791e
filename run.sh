#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the program needs, builds the program alone (no tests,
# benchmarks or fuzzer), and starts Zasechka. On a machine with no display it
# installs and builds the same, and Xvfb besides, then says how to start the
# program on a virtual display.
set -euo pipefail
cd "$(dirname "$0")"
setup=()
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  setup=(--virtual-display)
fi
scripts/setup.sh "${setup[@]}"
scripts/build.sh build -DZAS_BUILD_TESTS=OFF -DZAS_BUILD_BENCHMARKS=OFF -DZAS_BUILD_FUZZERS=OFF
if ((${#setup[@]})); then
  echo "Zasechka is built, but there is no display here to show its windows on." >&2
  echo "Start it on a virtual one with:  xvfb-run -a ./build/zasechka" >&2
  exit 0
fi
exec ./build/zasechka
