#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the check of a sheet filled in by hand: on a virtual X
# display with a window manager, both sheets' results are typed in field by
# field, two of them wrong, the sheet is checked with F7 and saved; then the
# saved files are checked again from the command line, with no display.
#   scripts/check_screenshots.sh          light colours, scale 1
#   scripts/check_screenshots.sh dark     GTK's Adwaita:dark theme (dark-*.png)
#   scripts/check_screenshots.sh scale2   a device pixel ratio of 2 (scale2-*.png)
# The sheets are saved as build/checked-jung.zas and build/checked-gauss.zas.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/screenshot_session.sh "$@"

type_in() {  # window, x, y of a field, its text: typed by hand over what it held
  click "$1" $(($2 + 30)) $(($3 + 10))
  xdotool key ctrl+a
  xdotool type --delay 15 -- "$4"
}
save() {  # window, file: Ctrl+S asks for the name of a sheet never saved
  press "$1" ctrl+s
  dialog=$(window "Сохранить лист")
  sleep 1
  xdotool windowactivate --sync "$dialog" key ctrl+a
  xdotool type --delay 15 "$2"
  sleep 0.5
  xdotool key Return
  sleep 1.5
}

main=$(window "Прямая засечка")
click "$main" 72 84          # По ф-ам Юнга
jung=$(window "Решение Прямой засечки по формулам Юнга.")
# The worked example computed by hand; ctg β2 rounded instead of cut, and
# Y′P copied with the wrong last digit: the message names ctg β2.
type_in "$jung" 352 128 "1,25023"
type_in "$jung" 352 168 "-0,23564"
type_in "$jung" 352 200 "1,01458"
type_in "$jung" 352 256 "-0,04254"
type_in "$jung" 352 296 "1,97642"
type_in "$jung" 352 336 "1,93388"
type_in "$jung" 232 208 "2924,51"
type_in "$jung" 464 208 "-173,75"
type_in "$jung" 232 336 "2924,52"
type_in "$jung" 464 336 "-173,72"
type_in "$jung" 248 392 "2924,515"
type_in "$jung" 384 392 "-173,715"
rm -f "$PWD/build/checked-jung.zas" "$PWD/build/checked-gauss.zas"
save "$jung" "$PWD/build/checked-jung.zas"
press "$jung" F7

sleep 0.5
import -frame -window "$(xdotool getactivewindow)" "$out/${prefix}jung-check-message.png"
xdotool key Return
sleep 0.5
shot "$jung" jung-checked.png
# The checked sheet's page: the marks and the summary printed.
rm -f build/jung-checked-page.pdf
press "$jung" ctrl+shift+e
dialog=$(window "Экспорт в PDF")
sleep 1
xdotool windowactivate --sync "$dialog" key ctrl+a
xdotool type --delay 15 "$PWD/build/jung-checked-page.pdf"
sleep 0.5
xdotool key Return
sleep 1.5
pdftoppm -r 60 -png -singlefile build/jung-checked-page.pdf "$out/${prefix}jung-checked-page"
click "$jung" 444 452        # Выход
click "$main" 304 84         # По ф-ам Гаусса
gauss=$(window "Решение прямой засечки по формулам Гаусса.")
# tg α2 with the wrong sign in the first determination, X″P rounded in the
# second.
type_in "$gauss" 352 128 "0,00887"
type_in "$gauss" 352 168 "0,76947"
type_in "$gauss" 352 208 "0,77834"
type_in "$gauss" 232 208 "2924,53"
type_in "$gauss" 464 208 "-173,73"
type_in "$gauss" 352 256 "-0,76947"
type_in "$gauss" 352 296 "6,84963"
type_in "$gauss" 352 336 "-7,6191"
type_in "$gauss" 232 336 "2924,46"
type_in "$gauss" 464 336 "-173,67"
type_in "$gauss" 248 392 "2924,49"
type_in "$gauss" 384 392 "-173,7"
save "$gauss" "$PWD/build/checked-gauss.zas"
press "$gauss" F7
sleep 0.5
import -frame -window "$(xdotool getactivewindow)" "$out/${prefix}gauss-check-message.png"
xdotool key Return
sleep 0.5
shot "$gauss" gauss-checked.png
click "$gauss" 468 444       # Выход
click "$main" 192 236        # Выход
wait "$program" || true
trap - EXIT
echo "Screenshots in $out"
