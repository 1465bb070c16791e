#!/usr/bin/env bash
# Configures and builds Zasechka in build/ (the program, the tests and the
# benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
