#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots: starts Zasechka on a virtual X display with a
# window manager (so title bars show), clicks through it with xdotool and
# saves each window, frame included, under docs/screenshots/.
#   scripts/screenshots.sh           the default light colours, at scale 1
#   scripts/screenshots.sh dark      under GTK's Adwaita:dark theme (dark-*.png)
#   scripts/screenshots.sh scale2    at a device pixel ratio of 2 (scale2-*.png)
set -euo pipefail
cd "$(dirname "$0")/.."

variant=${1:-}
if [[ "$variant" != --inside ]]; then
  # The virtual display, a window manager, xdotool, ImageMagick's import,
  # pdftoppm for the exported page, and Qt's GTK platform theme for the dark
  # desktop.
  scripts/setup.sh xvfb xauth imagemagick xdotool openbox poppler-utils qt6-gtk-platformtheme
  scripts/build.sh build -DZAS_BUILD_TESTS=OFF -DZAS_BUILD_BENCHMARKS=OFF >/dev/null
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --inside "$variant"
fi

out=docs/screenshots
mkdir -p "$out"
prefix=
scale=1
case "${2:-}" in
  dark)
    prefix=dark-
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    ;;
  scale2)
    prefix=scale2-
    scale=2
    export QT_SCALE_FACTOR=2
    ;;
esac

openbox >/dev/null 2>&1 &
sleep 1
# The worked examples are typed with a comma.
LC_NUMERIC=ru_RU.UTF-8 ./build/zasechka >/dev/null 2>&1 &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

window() {  # the id of the window whose title is $1, once it is shown
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --class zasechka 2>/dev/null); do
      if [[ "$(xdotool getwindowname "$id")" == "$1" ]]; then
        echo "$id"
        return
      fi
    done
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  exit 1
}
click() {  # window, x, y in its client area, in the sheet's pixels
  xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1
  sleep 0.5
}
press() {  # window, key: typed as on the keyboard, into that window
  xdotool windowactivate --sync "$1" key "$2"
  sleep 0.5
}
shot() {  # window, file
  sleep 0.5
  import -frame -window "$1" "$out/$prefix$2"
}

main=$(window "Прямая засечка")
shot "$main" main-window.png
click "$main" 72 84          # По ф-ам Юнга
jung=$(window "Решение Прямой засечки по формулам Юнга.")
shot "$jung" jung-before.png
click "$jung" 164 452        # Вычислить
shot "$jung" jung-after.png
rm -f build/jung-page.pdf
press "$jung" ctrl+shift+e   # Экспорт в PDF…
window "Экспорт в PDF" >/dev/null
xdotool type --delay 20 "$PWD/build/jung-page.pdf"
xdotool key Return
sleep 1
pdftoppm -r 60 -png -singlefile build/jung-page.pdf "$out/jung-page"
click "$jung" 444 452        # Выход
click "$main" 304 84         # По ф-ам Гаусса
gauss=$(window "Решение прямой засечки по формулам Гаусса.")
shot "$gauss" gauss-before.png
click "$gauss" 156 444       # Вычислить
shot "$gauss" gauss-after.png
click "$gauss" 468 444       # Выход
click "$main" 104 172        # Описание
description=$(window "Описание")
shot "$description" description.png
press "$description" alt+F4
click "$main" 272 172        # О программе
about=$(window "About")
shot "$about" about.png
press "$about" Return     # OK, the default button
click "$main" 192 236        # Выход
wait "$program" || true
trap - EXIT
echo "Screenshots in $out"
