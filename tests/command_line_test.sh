#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the program answers before the toolkit starts, with no display at all:
# each answer's exit code and first line.
#   command_line_test.sh path/to/zasechka version
set -u
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES XDG_SESSION_TYPE
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
expect 1 "zasechka: no graphical session*xvfb-run*" LANG=C "$program" -style Fusion
# The language: LC_ALL outranks LANG; an empty variable counts as unset.
expect 0 "Usage: zasechka *" LC_ALL=C LANG=ru_RU.UTF-8 "$program" --help
expect 0 "Использование: zasechka *" LC_ALL= LANG=ru_RU.UTF-8 "$program" --help
expect 1 "zasechka: no graphical session*" LANG=C DISPLAY= "$program"
# An option's value, or anything after "--", is not read as an option.
expect 1 "zasechka: no graphical session*" LANG=C "$program" -name --help
expect 1 "zasechka: no graphical session*" LANG=C "$program" -- --version
# An unknown option, or one without its value, is refused by name.
expect 2 "zasechka: unknown option --bogus; *" LANG=C "$program" --bogus a.zas
expect 2 "zasechka: unknown option -v; *" LANG=C "$program" -v
expect 2 "zasechka: у параметра -name нет значения; *" LANG=ru_RU.UTF-8 "$program" -style Fusion -name
# A display that cannot be opened, or no platform Qt can start: not Qt's abort.
expect 1 "zasechka: cannot open display :77" LANG=C DISPLAY=:77 "$program"
expect 1 "zasechka: cannot open display :77" LANG=C "$program" --display=:77
expect 1 "zasechka: Qt could not start a platform*" LANG=C QT_QPA_PLATFORM=nosuch "$program"
exit $failed
