#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the program answers before the toolkit starts, with no display at all:
# each answer's exit code and first line.
#   command_line_test.sh path/to/zasechka version
set -u
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES
# A program for another system runs through its emulator (ZAS_RUN).
if [ -n "${ZAS_RUN:-}" ]; then
  folder=$(mktemp -d)
  trap 'rm -rf "$folder"' EXIT
  printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$ZAS_RUN" "$program" >"$folder/run"
  chmod +x "$folder/run"
  program=$folder/run
fi
failed=0
expect() {  # exit code, first line's pattern, environment and arguments...
  code=$1 pattern=$2
  shift 2
  first=$(env "$@" 2>&1 | head -n 1)
  env "$@" >/dev/null 2>&1
  got=$?
  case "$first" in
    $pattern) [ "$got" -eq "$code" ] && return ;;
  esac
  echo "FAILED: $* gave exit code $got and \"$first\"" >&2
  failed=1
}
expect 0 "zasechka $version" LANG=C "$program" --version
expect 0 "Usage: zasechka *" LANG=C.UTF-8 "$program" --help
expect 0 "Использование: zasechka *" LANG=ru_RU.UTF-8 "$program" --help
expect 0 "Использование: zasechka *" LANG=C LC_MESSAGES=ru_RU.UTF-8 "$program" -platform xcb --help
# Windows names no display in the environment (main_window_test checks that
# the program starts there without one).
if [ -z "${ZAS_WINDOWS:-}" ]; then
  expect 1 "zasechka: no graphical session*xvfb-run*" LANG=C "$program" -style Fusion
fi
exit $failed
