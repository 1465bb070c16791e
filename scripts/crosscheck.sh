#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Computes the fixed corpus of sheets (100,000 and more per method) in two
# builds, here the x86-64 one and the arm64 one under QEMU, and requires the
# two printouts to be byte-identical: every field text written, every message
# and error. The printouts stay in the second build's crosscheck/ folder.
#   scripts/crosscheck.sh [build] [build-arm64]
set -euo pipefail
cd "$(dirname "$0")/.."
first=${1:-build}
second=${2:-build-arm64}
out="$second/crosscheck"
start=$SECONDS

status=0
for method in jung gauss; do
  # Both builds at once: two cores, one each.
  # Each build runs the corpus its own way (the arm64 one through QEMU).
  "$first/crosscheck/run_sheet_corpus.sh" "$method" >"$out/$method-first.txt" &
  native=$!
  "$second/crosscheck/run_sheet_corpus.sh" "$method" >"$out/$method-second.txt"
  wait "$native"
  sheets=$(wc -l <"$out/$method-first.txt")
  if cmp -s "$out/$method-first.txt" "$out/$method-second.txt"; then
    echo "$method: $sheets sheets, identical output in $first and $second"
  else
    echo "$method: the outputs of $first and $second differ; the first differing sheets:"
    diff "$out/$method-first.txt" "$out/$method-second.txt" | head -n 12 || true
    status=1
  fi
done
echo "Cross-CPU check: $((SECONDS - start)) s"
exit "$status"
