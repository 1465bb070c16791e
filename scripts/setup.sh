#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Zasechka needs, only those that are missing.
# Works as root with no terminal (CI); elsewhere it asks sudo, and with no
# sudo it prints the command to run as root and stops.
#   scripts/setup.sh [--tests] [--virtual-display] [--windows] [more packages...]
# Without options: what building and running the program needs. With
# --tests: also the tests, the benchmarks, the fuzzer and the packaging
# check. With --virtual-display: also Xvfb, to run the program on a machine
# with no display (xvfb-run -a ./build/zasechka). With --windows: the MinGW
# cross compiler, wine and NSIS for the Windows build (scripts/windows.sh),
# and what its dependencies' builds from source need.
# Packages named on the command line are installed too, when missing.
set -euo pipefail

program=(
  g++ cmake make pkg-config        # the compiler and the build
  qt6-base-dev                     # Qt 6 Widgets and Qt Test
  qt6-qpa-plugins                  # Qt's platform plugins: the windows on X or Wayland
  libqt6svg6                       # Qt's SVG plugins: the pictures are drawn into PNG at build time
  qt6-translations-l10n            # Qt's own texts (menus, standard buttons) in the user's language
  libgl-dev                        # OpenGL headers that Qt's CMake files ask for
  libmpfr-dev                      # the extended arithmetic, correctly rounded
  libxcb1-dev                      # an X display that cannot be opened, told in the program's words
  fonts-liberation                 # the sans serif the windows are drawn in
)
tests=(
  libgtest-dev                     # unit tests
  libbenchmark-dev                 # benchmarks
  clang-14 libclang-rt-14-dev      # the fuzzer: clang with libFuzzer and the sanitizers
  poppler-utils                    # the page test reads the exported PDF with pdftotext
  dpkg-dev file                    # cpack's Debian package: the library scan for Depends
  lintian desktop-file-utils appstream  # the packaging check's validators
)
virtual_display=(
  xvfb xauth                       # xvfb-run: an X server without a screen, and its key
)

windows=(
  g++-mingw-w64-x86-64-posix       # the Windows cross compiler, POSIX threads
  wine wine64                      # runs the Windows build's tests and the installer round trip
  nsis                             # the installer
  icoutils                         # icotool: the program's icon from the drawn pictures
  zip unzip                        # the portable zip
  googletest                       # GoogleTest's source, built for Windows
  dpkg-dev                         # apt-get source unpacks with dpkg-source
  m4 perl autoconf automake libtool ninja-build  # GMP's and Qt's builds
  xvfb xauth openbox imagemagick xdotool xclip  # the smoke run on a virtual display
  fonts-liberation                 # the faces shipped beside the program
  locales                          # ru_RU's locale data: wine in Russian, in a private LOCPATH
  qt6-base-dev libgmp-dev libmpfr-dev  # the copyright files shipped beside the program
)

packages=("${program[@]}")
while [[ "${1:-}" == --* ]]; do
  case $1 in
    --tests) packages+=("${tests[@]}") ;;
    --virtual-display) packages+=("${virtual_display[@]}") ;;
    --windows) packages+=("${windows[@]}") ;;
    *) echo "setup.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null | grep -q '^ii'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

# Another install running at the same time holds dpkg's lock: wait for it.
apt=(apt-get -o DPkg::Lock::Timeout=600)
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Not root and no sudo: install them as root, then run this again:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" "${apt[@]}" update -qq
"${sudo[@]}" "${apt[@]}" install -y -qq "${missing[@]}"
