# SPDX-License-Identifier: GPL-3.0-or-later
# The session the screenshot scripts take their pictures in, sourced by them
# with their own arguments:
#   source scripts/screenshot_session.sh "$@"
# Run by the user, it installs what they need (the virtual display, a window
# manager, xdotool, ImageMagick's import, pdftoppm for the exported page, and
# Qt's GTK platform theme for the dark desktop), builds the program and runs
# the script again inside a virtual X display. Inside, it reads the variant
# (none, dark or scale2), starts the window manager and the program (the
# worked examples are typed with a comma), and gives the helpers below.
if [[ "${1:-}" != --inside ]]; then
  scripts/setup.sh xvfb xauth imagemagick xdotool openbox poppler-utils qt6-gtk-platformtheme
  scripts/build.sh build -DZAS_BUILD_TESTS=OFF -DZAS_BUILD_BENCHMARKS=OFF >/dev/null
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --inside "${1:-}"
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
LC_NUMERIC=ru_RU.UTF-8 ./build/zasechka >/dev/null 2>&1 &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

window() {  # the id of the window whose title begins with $1, once shown
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --class zasechka 2>/dev/null); do
      if [[ "$(xdotool getwindowname "$id")" == "$1"* ]]; then
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
