#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer's pages as a person sees them: runs the setup with its
# windows under wine, on a virtual X display with a window manager, in a
# Russian Windows 10 of a fresh prefix, and saves the welcome, licence,
# install-mode, folder and finish pages, then the uninstaller's.
#   packaging/windows/installer_screenshots.sh BUILD_DIR VERSION OUT_DIR
set -euo pipefail
here=$(dirname "$(realpath "$0")")

if [[ "${1:-}" != --inside ]]; then
  if (($# != 3)); then
    echo "usage: $0 BUILD_DIR VERSION OUT_DIR" >&2
    exit 2
  fi
  "$here/../../scripts/setup.sh" --windows xvfb xauth imagemagick xdotool openbox
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$@"
fi
shift
build=$(realpath "$1")
version=$2
mkdir -p "$3"
out=$(realpath "$3")
setup=$build/zasechka-$version-setup.exe

tmp=$(mktemp -d)
export WINEPREFIX=$tmp/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$tmp/home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME LC_ALL LANGUAGE
mkdir -p "$HOME" "$tmp/locale"
localedef -i ru_RU -f UTF-8 "$tmp/locale/ru_RU.UTF-8" >/dev/null 2>&1
export LOCPATH=$tmp/locale LANG=ru_RU.UTF-8
trap 'wineserver -k 2>/dev/null; rm -rf "$tmp"' EXIT

openbox >/dev/null 2>&1 &
wineboot -i >/dev/null 2>&1
wine winecfg -v win10

window() {  # the id of the visible window whose title begins with $1
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1 || true)
    if [[ -n "$id" ]]; then
      echo "$id"
      return
    fi
    sleep 0.2
  done
  echo "no window \"$1\"" >&2
  exit 1
}
shot() {  # window, file
  sleep 1.5
  import -frame -window "$1" "$out/$2"
  echo "$out/$2"
}
next() {  # window: the page's default button, «Далее» or «Установить»
  xdotool windowactivate --sync "$1" key Return
}

wine "$setup" >/dev/null 2>&1 &
installer=$!
w=$(window "Установка Zasechka")
shot "$w" installer-1-welcome.png
next "$w"
shot "$w" installer-2-licence.png
next "$w"
shot "$w" installer-3-install-mode.png
next "$w"
shot "$w" installer-4-folder.png
next "$w"
sleep 3
shot "$w" installer-5-finish.png
next "$w"
wait "$installer"

uninstaller=$(find "$WINEPREFIX/drive_c/users" -name uninstall.exe | head -n 1)
wine "$uninstaller" >/dev/null 2>&1 &
uninstaller=$!
w=$(window "Удаление Zasechka")
shot "$w" uninstaller-1-confirm.png
next "$w"
sleep 3
shot "$w" uninstaller-2-done.png
next "$w"
wait "$uninstaller"
