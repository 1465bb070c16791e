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
# variables (wine drops QT_*), and a Windows user has neither LANG nor LC_*:
# the language and the number format come from the user's settings, which
# wine takes from the Unix locale. So the program is started through cmd
# with every QT_* variable set and the Unix locale variables cleared in its
# environment. Qt's offscreen platform on Windows reads fonts only from
# QT_QPA_FONTDIR; it is pointed at the Liberation faces unless set, and a
# Unix path there becomes a Windows one.
#
# Wine takes the user's locale from the C library's, which needs the locale
# compiled: the two the tests use are compiled once beside the prefix
# (LOCPATH), so the machine needs no locales of its own.
set -euo pipefail

export WINEPREFIX=${ZAS_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zasechka/wine}
export LOCPATH=$WINEPREFIX-locales
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [[ ! -f "$WINEPREFIX/.zasechka-ready" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two tests may start at once: one creates the prefix, the other waits.
  exec 9>"$WINEPREFIX.lock"
  flock 9
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
# One server for all the runs; it ends by itself a minute after the last.
# A second start finds the first one running and leaves.
wineserver -p60 >/dev/null 2>&1 || true
if [[ "${1:-}" == --prepare ]]; then
  exit 0
fi

program=$1
shift
# A path as Windows sees it: wine's drive Z: is the Unix root.
windows_path() {
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s' "${path//\//\\}"
}
# One argument for cmd's command line: quoted, with no character cmd acts on.
quote() {
  if [[ "$1" =~ [\"%^\&\|\<\>] ]]; then
    echo "wine_run.sh: cannot pass '$1' through cmd" >&2
    exit 2
  fi
  printf ' "%s"' "$1"
}

: "${QT_QPA_FONTDIR:=/usr/share/fonts/truetype/liberation}"
if [[ "$QT_QPA_FONTDIR" == /* ]]; then
  QT_QPA_FONTDIR=$(windows_path "$QT_QPA_FONTDIR")
fi
export QT_QPA_FONTDIR
line=
while IFS= read -r name; do
  value=${!name}
  quote "$value" >/dev/null
  line+="set $name=$value&& "
done < <(compgen -e | grep -E '^QT_')
for name in LANG LANGUAGE LC_ALL LC_MESSAGES LC_NUMERIC LC_CTYPE; do
  line+="set $name=&& "
done
line+=$(quote "$(windows_path "$program")")
for argument in "$@"; do
  line+=$(quote "$argument")
done
exec wine cmd /d /s /c "$line"
