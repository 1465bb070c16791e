#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One run of the real Windows program on Windows' own platform plugin, under
# wine on a virtual X display with a window manager, as a user would use it:
# the main window shows, both sheets open, each computes its worked example
# (the means, copied with «Копировать лист», are the ones the tests know),
# «Выход» ends the program with exit code 0. Then the console twin
# zasechka.com starts the windowed program. The screenshots stay in
# <build>/smoke/.
#   scripts/windows_smoke.sh [build-windows]
# With ZAS_SMOKE_PERCENT=125 (or 150, 175) the same run is made at that
# scale, wine's LogPixels, which a program under wine takes as Windows'
# display scale; the screenshots are then named scale125-... .
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
if [[ "${2:-}" != --inside ]]; then
  scripts/setup.sh xvfb xauth openbox imagemagick xdotool xclip
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" --inside
fi
out=$build/smoke
percent=${ZAS_SMOKE_PERCENT:-100}
prefix=
if ((percent != 100)); then
  prefix=scale$percent-
fi
mkdir -p "$out"
rm -f "$out/$prefix"*.png
# The Windows platform, in a Russian locale: the comma, as in the examples.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export LANG=ru_RU.UTF-8
export WINEPREFIX=${ZAS_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zasechka/wine} WINEDEBUG=-all
# The prefix's server and desktop, when the tests left them running, have no
# display: this run starts its own on the virtual one, and ends them after.
wineserver -k 2>/dev/null || true
scripts/wine_run.sh --prepare

logpixels() {  # dots per inch for wine's desktop
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
if ((percent != 100)); then
  logpixels $((96 * percent / 100))
fi

openbox >/dev/null 2>&1 &
wm=$!
program=
finish() {
  kill $wm 2>/dev/null || true
  if [[ -n "$program" ]]; then
    kill "$program" 2>/dev/null || true
  fi
  if ((percent != 100)); then logpixels 96; fi
  wineserver -k 2>/dev/null || true
}
trap finish EXIT

window() {  # the id of the window whose title is $1, once it is shown
  for _ in $(seq 600); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$1" ]]; then
        echo "$id"
        return
      fi
    done
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  return 1
}
gone() {  # waits until no window is titled $1
  for _ in $(seq 300); do
    if ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then
      return
    fi
    sleep 0.1
  done
  echo "the window \"$1\" stayed" >&2
  return 1
}
click() {  # window, x, y in its client area, in the sheet's pixels
  xdotool mousemove --window "$1" $(($2 * percent / 100)) $(($3 * percent / 100)) click 1
  sleep 1
}
shot() {  # window, file
  sleep 1
  import -frame -window "$1" "$out/$prefix$2"
}
copied() {  # window, the texts the copied sheet must hold...
  local window=$1 text
  shift
  xdotool windowactivate --sync "$window" key ctrl+shift+c
  sleep 1
  text=$(xclip -o -selection clipboard 2>/dev/null || true)
  for expected in "$@"; do
    if [[ "$text" != *"$expected"* ]]; then
      echo "the copied sheet lacks $expected:" >&2
      echo "$text" >&2
      return 1
    fi
  done
}

started=$SECONDS
scripts/wine_run.sh "$build/zasechka.exe" &
program=$!
main=$(window "Прямая засечка")
echo "main window shown after $((SECONDS - started)) s"
shot "$main" main-window.png
click "$main" 72 84 # По ф-ам Юнга
jung=$(window "Решение Прямой засечки по формулам Юнга.")
click "$jung" 164 452 # Вычислить
shot "$jung" jung-after.png
copied "$jung" "2924,515" "-173,715"
click "$jung" 444 452 # Выход
gone "Решение Прямой засечки по формулам Юнга."
click "$main" 304 84 # По ф-ам Гаусса
gauss=$(window "Решение прямой засечки по формулам Гаусса.")
click "$gauss" 156 444 # Вычислить
shot "$gauss" gauss-after.png
copied "$gauss" "2924,49" "-173,7"
click "$gauss" 468 444 # Выход
gone "Решение прямой засечки по формулам Гаусса."
click "$main" 192 236 # Выход
status=0
wait "$program" || status=$?
program=
if ((status != 0)); then
  echo "zasechka.exe ended with exit code $status" >&2
  exit 1
fi
echo "zasechka.exe: both sheets computed, ended with exit code 0"

# A file named on the command line in letters outside the ANSI code page
# (ә, β): the program reads the wide command line, so the message that it
# cannot read the file names it intact (a message box copies its text).
scripts/wine_run.sh "$build/zasechka.exe" "$PWD/$out/Лист засечки ә β.zas" &
program=$!
main=$(window "Прямая засечка")
sleep 2
xdotool key ctrl+c
sleep 1
text=$(xclip -o -selection clipboard 2>/dev/null || true)
if [[ "$text" != *"«Лист засечки ә β.zas»"* ]]; then
  echo "the file named on the command line did not arrive intact: $text" >&2
  exit 1
fi
xdotool key Return
sleep 2
main=$(window "Прямая засечка")
click "$main" 192 236 # Выход
wait "$program"
program=
echo "zasechka.exe: a file name in ә and β arrived intact"

# Typed as "zasechka" in cmd, the console twin runs and hands over.
scripts/wine_run.sh "$build/zasechka.com"
main=$(window "Прямая засечка")
click "$main" 192 236 # Выход
gone "Прямая засечка"
echo "zasechka.com started zasechka.exe; screenshots in $out"
