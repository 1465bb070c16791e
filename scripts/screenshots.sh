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

source scripts/screenshot_session.sh "$@"

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
