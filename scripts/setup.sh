#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Zasechka needs to build, test and run, only
# those that are missing. Works as root with no terminal (CI); elsewhere it
# asks sudo.
#   scripts/setup.sh [more packages...]
# Packages named on the command line are installed too, when missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config        # the compiler and the build
  qt6-base-dev                     # Qt 6 Widgets and Qt Test
  libqt6svg6                       # Qt's SVG plugins: the pictures and glyphs are SVG
  qt6-translations-l10n            # Qt's own texts (menus, standard buttons) in the user's language
  libgl-dev                        # OpenGL headers that Qt's CMake files ask for
  libgtest-dev                     # unit tests
  libbenchmark-dev                 # benchmarks
  clang-14 libclang-rt-14-dev      # the fuzzer: clang with libFuzzer and the sanitizers
  fonts-liberation                 # the sans serif the windows are drawn in
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  [[ "$p" == \#* ]] && continue
  if ! dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null | grep -q '^ii'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Another install running at the same time holds dpkg's lock: wait for it.
apt=(apt-get -o DPkg::Lock::Timeout=600)
"${sudo[@]}" "${apt[@]}" update -qq
"${sudo[@]}" "${apt[@]}" install -y -qq "${missing[@]}"
