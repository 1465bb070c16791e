#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Zasechka: the program, and the tests and the
# benchmarks unless -DZAS_BUILD_TESTS=OFF -DZAS_BUILD_BENCHMARKS=OFF.
#   scripts/build.sh [dir] [cmake options...]
# The default is build/, RelWithDebInfo. Options given later win.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
