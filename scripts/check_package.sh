#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package made from a build, without installing anything
# onto the machine: cpack makes it, dpkg-deb unpacks it into a scratch root,
# and the validators, the unpacked program and lintian look at it. Also
# checks what `cmake --install` puts in place. Needs no display; works as
# root (CI) or not.
#   scripts/check_package.sh [build folder]
# Ends with a line "Packaging: N passed, M failed"; its exit code is 0 when
# nothing failed.
set -uo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

passed=0
failed=0
check() {  # what, command...: one check's outcome
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}
finish() {
  echo "Packaging: $passed passed, $failed failed"
  ((failed == 0))
  exit
}
silent() {  # command...: succeeds when it does and prints nothing at all
  local out
  out=$("$@" 2>&1) && [[ -z "$out" ]] || { printf '%s\n' "$out"; return 1; }
}
no_warnings() {  # command...: succeeds when it does and says nothing worse than a note
  local out
  out=$("$@" 2>&1)
  local status=$?
  printf '%s\n' "$out"
  ((status == 0)) && ! grep -qE '^(E|W): ' <<<"$out"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
id=$(sed -n 's/^Icon=//p' "$build"/packaging/*.desktop)
deb="$build/zasechka_${version}_amd64.deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -f "$deb"
check "cpack makes $(basename "$deb")" \
  bash -c 'cd "$1" && cpack -G DEB >"$2/cpack.log" 2>&1 && [[ -f "$3" ]] || { cat "$2/cpack.log"; false; }' \
  _ "$build" "$work" "$deb"
[[ -f "$deb" ]] || finish

root=$work/root
check "dpkg-deb unpacks it" dpkg-deb -x "$deb" "$root"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
check "its Depends name the platform plugins and the fonts" \
  bash -c 'dpkg-deb -f "$1" Depends | grep -q "qt6-qpa-plugins" && dpkg-deb -f "$1" Depends | grep -q "fonts-liberation"' _ "$deb"

# Every file it carries, and nothing else (no test, benchmark or fuzzer).
icons=usr/share/icons/hicolor
expected=(usr/bin/zasechka "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml" "usr/share/mime/packages/$id.xml"
  "$icons/scalable/apps/$id.svg"
  usr/share/man/man1/zasechka.1.gz usr/share/doc/zasechka/changelog.gz
  usr/share/doc/zasechka/copyright)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("$icons/${size}x$size/apps/$id.png")
done
same_files() {  # folder, expected paths...: the files under the folder are exactly these
  local folder=$1
  shift
  diff <(cd "$folder" && find . -type f -printf '%P\n' | sort) <(printf '%s\n' "$@" | sort)
}
check "it carries the program, its entry, metainfo, icons, manual page and documents, nothing else" \
  same_files "$root" "${expected[@]}"
check "each PNG icon is as large as its folder says" bash -c '
  for png in "$1"/usr/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "${size/x/ x }," || { echo "$png: $(file -b "$png")"; exit 1; }
  done' _ "$root"
check "the program is stripped" bash -c 'file "$1" | grep -q ", stripped"' _ "$root/usr/bin/zasechka"
check "the desktop entry validates without a word" \
  silent desktop-file-validate "$root/usr/share/applications/$id.desktop"
check "the metainfo validates without a warning" \
  no_warnings appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
check "the manual page formats without a warning" \
  silent bash -c 'LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$1" >/dev/null' _ \
  "$root/usr/share/man/man1/zasechka.1.gz"

# The unpacked program: its version with no display, then its windows under
# the offscreen platform.
check "zasechka --version answers with no display" bash -c '
  [[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version)" == "zasechka $2" ]]' \
  _ "$root/usr/bin/zasechka" "$version"
runtime=$work/runtime
mkdir -m 700 "$runtime"
starts() {  # still running after two seconds, silent, ended by SIGTERM
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    "$root/usr/bin/zasechka" >"$work/out" 2>&1 &
  local program=$!
  sleep 2
  if ! kill -0 "$program" 2>/dev/null; then
    wait "$program"
    echo "it ended by itself with exit code $?:"
    cat "$work/out"
    return 1
  fi
  kill -TERM "$program"
  wait "$program"
  local status=$?
  [[ ! -s "$work/out" ]] || { cat "$work/out"; return 1; }
  ((status == 128 + 15)) || { echo "exit code $status"; return 1; }
}
check "the unpacked program starts offscreen, runs, says nothing and ends on SIGTERM" starts

lintian_options=()
[[ $(id -u) -ne 0 ]] || lintian_options=(--allow-root)
check "lintian finds no error or warning" no_warnings lintian "${lintian_options[@]}" "$deb"

# What `cmake --install` puts in place, under DESTDIR and a prefix.
staged=$work/staged
check "cmake --install honours DESTDIR" bash -c \
  'DESTDIR="$1" cmake --install "$2" --prefix /opt/zas >"$3/install.log" || { cat "$3/install.log"; false; }' \
  _ "$staged" "$build" "$work"
expected=(bin/zasechka "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/mime/packages/$id.xml"
  "share/icons/hicolor/scalable/apps/$id.svg" share/man/man1/zasechka.1)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
check "cmake --install puts the program, its entry, metainfo, icons and manual page in place" \
  same_files "$staged/opt/zas" "${expected[@]}"
finish
