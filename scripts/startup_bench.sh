#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Zasechka's start-up against the least a Qt Widgets program does to
# show a window: bench/startup_probe (the program's own start-up, all five
# windows built, the main window shown) beside bench/minimal_window (one empty
# window), both ended at the first idle moment after their window is drawn.
# Measures both under Qt's offscreen platform and on a virtual X display, and
# prints the median times, their ratio and the peak resident memories.
#
# Builds in its own folder (build-bench/, or $BUILD_DIR), RelWithDebInfo.
# The two programs take turns: each round times both, the order swapped from
# one round to the next, so that other work on the machine weighs on both
# alike. Knobs, all optional:
#   BUILD_DIR    build folder (build-bench)
#   JOBS         parallel build jobs (2)
#   ROUNDS       rounds (10)
#   RUNS         timed runs of each program per round (5): ROUNDS x RUNS in all
#   WARMUP       untimed runs of each program before each round (2)
#   MEMORY_RUNS  runs of each program under /usr/bin/time for the peak memory (10)
#   RAW          a file to keep every measurement in, one a line:
#                <platform> time|rss <program> <seconds|kilobytes>
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-bench}
rounds=${ROUNDS:-10}
runs=${RUNS:-5}
warmup=${WARMUP:-2}
memory_runs=${MEMORY_RUNS:-10}

# One platform's measurements, appended to $2 as lines
#   <platform> time|rss <program> <seconds|kilobytes>
measure() {
  local platform=$1 out=$2
  local probe="$build/bench/startup_probe" minimal="$build/bench/minimal_window"
  local scratch
  scratch=$(mktemp -d)
  for ((round = 0; round < rounds; round++)); do
    local first=("-n" startup_probe "$probe") second=("-n" minimal_window "$minimal")
    if ((round % 2)); then
      first=("-n" minimal_window "$minimal")
      second=("-n" startup_probe "$probe")
    fi
    # Its warnings on outliers and slow first runs, which other work on the
    # machine brings about, are left out: the medians are taken over all the
    # rounds.
    hyperfine -N --style basic --warmup "$warmup" --runs "$runs" \
      --export-json "$scratch/round$round.json" "${first[@]}" "${second[@]}" \
      2> >(grep -v -e '^ *Warning:' -e '^ *$' >&2) >/dev/null
    # Each command's "times" array, one number a line, as hyperfine writes it.
    awk -v platform="$platform" '
      /"command":/ { name = $0; sub(/^[^:]*: *"/, "", name); sub(/".*$/, "", name) }
      /"times": *\[/ { inside = 1; next }
      inside && /\]/ { inside = 0; next }
      inside { value = $0; gsub(/[ ,]/, "", value); print platform, "time", name, value }
    ' "$scratch/round$round.json" >>"$out"
  done
  for ((i = 0; i < memory_runs; i++)); do
    for program in startup_probe minimal_window; do
      /usr/bin/time -f %M -o "$scratch/rss" "$build/bench/$program" 2>/dev/null
      echo "$platform rss $program $(tail -n 1 "$scratch/rss")" >>"$out"
    done
  done
  rm -rf "$scratch"
}

if [[ "${1:-}" == --measure ]]; then
  # Run inside the virtual display.
  measure "$2" "$3"
  exit 0
fi

# hyperfine for the timings, GNU time for the peak resident memory, Xvfb for
# the virtual X display.
scripts/setup.sh --tests hyperfine time xvfb xauth

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAS_BUILD_APP=ON \
  -DZAS_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target startup_probe minimal_window >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
results="$work/results"
# Qt asks for a private runtime folder; without one it warns on every run.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

echo "Timing under the offscreen platform: $rounds rounds of $runs runs each..."
QT_QPA_PLATFORM=offscreen measure offscreen "$results"
echo "Timing on a virtual X display..."
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "$0" --measure xvfb "$results"

echo
awk '
  { key = $1 " " $2 " " $3; values[key, ++count[key]] = $4 }
  function median(key,   n, i, j, t, v) {
    n = count[key]
    for (i = 1; i <= n; i++) v[i] = values[key, i]
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  function maximum(key,   n, i, m) {
    n = count[key]; m = values[key, 1]
    for (i = 2; i <= n; i++) if (values[key, i] > m) m = values[key, i]
    return m
  }
  END {
    printf "%-10s %-15s %5s %12s %18s\n", "platform", "program", "runs", "median time", "peak RSS med/max"
    split("offscreen xvfb", platforms, " ")
    for (p = 1; p <= 2; p++) {
      platform = platforms[p]
      for (q = 1; q <= 2; q++) {
        program = q == 1 ? "startup_probe" : "minimal_window"
        time_key = platform " time " program; rss_key = platform " rss " program
        printf "%-10s %-15s %5d %9.1f ms %8.1f/%4.1f MiB\n", platform, program, count[time_key],
          median(time_key) * 1000, median(rss_key) / 1024, maximum(rss_key) / 1024
      }
      ratio = median(platform " time startup_probe") / median(platform " time minimal_window")
      extra = (median(platform " rss startup_probe") - median(platform " rss minimal_window")) / 1024
      printf "%-10s %-15s %5s %10.2fx %+12.1f MiB     (goal: 1.30x, +8.0 MiB)\n", platform,
        "probe/minimal", "", ratio, extra
    }
  }
' "$results"
if [[ -n "${RAW:-}" ]]; then
  cp "$results" "$RAW"
fi
