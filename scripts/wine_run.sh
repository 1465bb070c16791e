#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program of the Windows build under wine, as the tests, the test
# discovery and the sheet corpus of that build run it:
#   scripts/wine_run.sh program.exe [arguments...]
#   scripts/wine_run.sh --prepare       only makes the wine prefix ready
# The prefix (ZAS_WINEPREFIX, or a folder in the user's cache) is created
# once, and one persistent wine server is kept for it, so that each test
# does not pay wine's start-up. Wine writes no menu entries or file types
# into the user's home.
#
# A Windows program under wine sees the Unix environment, but not Qt's
# variables (wine drops QT_*; it passes WINEQT_x on as QT_x), and a Windows
# user has neither LANG nor LC_*: the language and the number format come
# from the user's settings, which wine takes from the Unix locale. So every
# QT_* variable is handed to wine as WINEQT_*, and the program is started
# through wine_run_env.exe (built here once from wine_run_env.c), which
# clears the Unix locale variables in its environment and passes the command
# line on untouched. Qt's offscreen platform on Windows reads fonts only from
# QT_QPA_FONTDIR; it is pointed at the Liberation faces unless set, and a
# Unix path there becomes a Windows one.
#
# Wine takes the user's locale from the C library's, which needs the locale
# compiled: the two the tests use are compiled once beside the prefix
# (LOCPATH), so the machine needs no locales of its own.
set -euo pipefail

export WINEPREFIX=${ZAS_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zasechka/wine}
export LOCPATH=$WINEPREFIX-locales
tools=$WINEPREFIX-tools
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

launcher=$tools/wine_run_env.exe
launcher_source=$(dirname "$(realpath "$0")")/wine_run_env.c
if [[ ! -f "$WINEPREFIX/.zasechka-ready" || ! "$launcher" -nt "$launcher_source" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two tests may start at once: one makes the prefix ready, the other waits.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! "$launcher" -nt "$launcher_source" ]]; then
    mkdir -p "$tools"
    x86_64-w64-mingw32-gcc-posix -O2 -Wall -static -o "$launcher.new" "$launcher_source"
    mv "$launcher.new" "$launcher"
  fi
  if [[ ! -f "$WINEPREFIX/.zasechka-ready" ]]; then
    mkdir -p "$LOCPATH"
    for locale in ru_RU en_US; do
      localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8"
    done
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.zasechka-ready"
  fi
  flock -u 9
  exec 9>&-
fi
# One server for all the runs; it ends by itself ten minutes after the last.
# When it starts, wine's own services start with the first program and stay
# as long as the server: they are started here, away from the output of the
# program run (a test's output would otherwise stay open after it ends).
exec 9>"$WINEPREFIX.lock"
flock 9
if wineserver -p600 >/dev/null 2>&1; then
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
flock -u 9
exec 9>&-
if [[ "${1:-}" == --prepare ]]; then
  exit 0
fi

program=$1
shift
# A path as Windows sees it: wine's drive Z: is the Unix root. A Windows
# path stays as it is.
windows_path() {
  if [[ "$1" =~ ^[A-Za-z]: ]]; then
    printf '%s' "$1"
    return
  fi
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s' "${path//\//\\}"
}
: "${QT_QPA_FONTDIR:=/usr/share/fonts/truetype/liberation}"
if [[ "$QT_QPA_FONTDIR" == /* ]]; then
  QT_QPA_FONTDIR=$(windows_path "$QT_QPA_FONTDIR")
fi
export QT_QPA_FONTDIR
# A program with no console window (none has one under wine) sends Qt's
# messages and a Qt test's report to the debugger, not to its output: where
# the tests and the logs can read them.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep -E '^QT_')
exec wine "$launcher" "$(windows_path "$program")" "$@"
