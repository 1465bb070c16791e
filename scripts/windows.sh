#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zasechka for 64-bit Windows on this Debian machine, with one command:
#   scripts/windows.sh [build-windows] [cmake options...]
# Installs what is missing, builds the dependencies from Debian's sources or
# takes them from the cache (scripts/windows_deps.sh), then writes
#   build-windows/zasechka.exe     the program
#   build-windows/zasechka.com     its console twin, for cmd and PowerShell
#   build-windows/ship/            the files to ship: both, and the fonts
#   build-windows/zasechka-<version>-setup.exe and -win64.zip, made from ship/
#                                  by packaging/windows/make_installer.sh
# and the tests of the Windows build, which the test command runs under wine
# (ctest --test-dir build-windows). The programs must need no DLL but
# Windows' own.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-windows}
shift || true
version=$(sed -nE 's/^project\(Zasechka VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
started=$SECONDS

scripts/setup.sh --windows
scripts/windows_deps.sh >/dev/null
scripts/wine_run.sh --prepare

# The pictures are drawn on this machine, by the renderer built for it.
cmake -S . -B "$out/host" -DCMAKE_BUILD_TYPE=Release -DZAS_BUILD_TESTS=OFF \
  -DZAS_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$out/host" --target zas_render_picture -j2 >/dev/null

cmake -S . -B "$out" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/x86_64-w64-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DZAS_BUILD_BENCHMARKS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DZAS_RENDER_PICTURE="$PWD/$out/host/app/zas_render_picture" "$@" >/dev/null
cmake --build "$out" -j2

# Only Windows' own DLLs: each one a program imports is in the system folder
# of a fresh wine prefix, or is one of Windows' API sets (api-ms-win-*),
# which its loader resolves without a file.
system32=${ZAS_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zasechka/wine}/drive_c/windows/system32
for program in "$out/zasechka.exe" "$out/zasechka.com"; do
  while read -r dll; do
    if [[ ! "${dll,,}" =~ ^api-ms-win-[a-z0-9-]+\.dll$ &&
          -z "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ]]; then
      echo "$program needs $dll, which is not part of Windows" >&2
      exit 1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
done

rm -rf "$out/ship" && mkdir -p "$out/ship"
for program in zasechka.exe zasechka.com; do
  x86_64-w64-mingw32-strip -o "$out/ship/$program" "$out/$program"
done
cp "$out"/Liberation*.ttf "$out/ship/"

if [[ -x packaging/windows/make_installer.sh ]]; then
  packaging/windows/make_installer.sh "$out" "$version"
fi
echo "Windows build in $((SECONDS - started)) s:"
for file in "$out"/ship/* "$out"/zasechka-*-setup.exe "$out"/zasechka-*-win64.zip; do
  if [[ -f "$file" ]]; then
    stat -c '  %n: %s bytes' "$file"
  fi
done
