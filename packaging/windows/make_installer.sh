#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows installer and the portable zip from the program built for
# Windows:
#   packaging/windows/make_installer.sh BUILD_DIR VERSION
# reads BUILD_DIR/ship/ (zasechka.exe, zasechka.com, the Liberation faces:
# every plain file there is shipped, except sources.txt) and writes
#   BUILD_DIR/zasechka-VERSION-setup.exe   the installer (NSIS)
#   BUILD_DIR/zasechka-VERSION-win64.zip   the same files, to run from a folder
# Both carry, in a folder licenses/, the licence of every part of the program:
# Zasechka's GPL-3, Debian's copyright files of the source packages the
# program is built from (Qt with its bundled libraries, GMP, MPFR, the
# MinGW-w64 runtime and winpthreads, GCC's runtime libraries, the Liberation
# faces), the licence texts those files name, and the offer of the
# corresponding source.
#
# BUILD_DIR/ship/sources.txt, when it exists, names the Debian source
# packages the Windows build was made from, one a line, "NAME VERSION":
#   # comment lines and blank lines are skipped
#   qt6-base 6.4.2+dfsg-10
#   gmp 2:6.2.1+dfsg1-1.1
#   mpfr4 4.2.0-1
# A package it does not name gets the version installed here (the MinGW-w64
# runtime and GCC's runtime libraries are the host's own).
# ZAS_SOURCE_COMMIT overrides the commit the source offer names (a build
# from a tarball, outside git); otherwise it is `git rev-parse HEAD`, or
# "unknown". SOURCE_DATE_EPOCH, when set, dates the files in the zip and in
# the installer; otherwise the commit's time does. The same sources and the
# same build make the same bytes of both.
set -euo pipefail

if (($# != 2)); then
  echo "usage: $0 BUILD_DIR VERSION" >&2
  exit 2
fi
build=$(realpath "$1")
version=$2
here=$(dirname "$(realpath "$0")")
repo=$(realpath "$here/../..")
ship=$build/ship

if [[ ! "$version" =~ ^[0-9]+(\.[0-9]+){0,3}([-+~][0-9A-Za-z.+~-]*)?$ ]]; then
  echo "make_installer: '$version' is not a version such as 1.0.0" >&2
  exit 2
fi
for f in zasechka.exe zasechka.com; do
  if [[ ! -f "$ship/$f" ]]; then
    echo "make_installer: $ship/$f is missing" >&2
    exit 1
  fi
done
for tool in makensis zip; do
  if ! command -v "$tool" >/dev/null; then
    echo "make_installer: $tool is missing (scripts/setup.sh --windows installs it)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/zasechka-$version  # the folder as installed, and as the zip holds it
mkdir -p "$stage/licenses"

# The program's own files, as built.
shipped=()
while IFS= read -r -d '' f; do
  name=${f##*/}
  [[ "$name" == sources.txt ]] && continue
  if [[ ! -f "$f" ]]; then
    echo "make_installer: $f is not a plain file; only files are shipped" >&2
    exit 1
  fi
  cp "$f" "$stage/$name"
  shipped+=("$name")
done < <(find "$ship" -mindepth 1 -maxdepth 1 -print0 | sort -z)

# A text for Windows: CRLF line ends (Notepad before Windows 10 1809 knows no
# other), and a byte-order mark when it holds anything beyond ASCII, so that
# Notepad reads it as UTF-8 and not in the ANSI code page.
windows_text() {  # source, destination
  if LC_ALL=C grep -q '[^[:print:][:space:]]' "$1"; then
    printf '\xef\xbb\xbf' >"$2"
  else
    : >"$2"
  fi
  sed 's/\r$//; s/$/\r/' "$1" >>"$2"
}

# Debian's copyright file of a source package, from the first of its binary
# packages installed here (each binary package carries its source's file).
copyright_of() {  # binary packages...
  local p
  for p in "$@"; do
    if [[ -f /usr/share/doc/$p/copyright ]]; then
      echo "/usr/share/doc/$p/copyright"
      return
    fi
  done
  echo "make_installer: no copyright file of $* (scripts/setup.sh --windows installs them)" >&2
  exit 1
}
# The source package's version: sources.txt's, or that of the host package.
declare -A from_ship=()
if [[ -f "$ship/sources.txt" ]]; then
  while read -r name ver _; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    from_ship[$name]=$ver
  done <"$ship/sources.txt"
fi
version_of() {  # source package, binary packages...
  local src=$1 p v
  shift
  if [[ -n "${from_ship[$src]:-}" ]]; then
    echo "${from_ship[$src]}"
    return
  fi
  for p in "$@"; do
    v=$(dpkg-query -W -f='${source:Version}' "$p" 2>/dev/null || true)
    if [[ -n "$v" ]]; then
      echo "$v"
      return
    fi
  done
  echo "unknown"
}

# Every part the program is made of: the Debian source package, the binary
# packages here that carry its copyright file, what it gives the program and
# its licence, in English and in Russian.
parts=(
  "qt6-base|libqt6core6 qt6-base-dev|Qt 6, with zlib, PCRE2, libpng, libjpeg, FreeType and HarfBuzz built in|LGPL-3|Qt 6 со встроенными zlib, PCRE2, libpng, libjpeg, FreeType и HarfBuzz|LGPL-3"
  "mpfr4|libmpfr6 libmpfr-dev|GNU MPFR, the extended arithmetic|LGPL-3 or later|GNU MPFR, расширенная арифметика|LGPL-3 или более поздняя"
  "gmp|libgmp10 libgmp-dev|GNU MP, beneath MPFR|LGPL-3 or later, or GPL-2 or later|GNU MP, основа MPFR|LGPL-3 или более поздняя либо GPL-2 или более поздняя"
  "mingw-w64|mingw-w64-common mingw-w64-x86-64-dev|the MinGW-w64 C runtime and winpthreads|ZPL-2.1, public domain, MIT and BSD licences|среда выполнения C MinGW-w64 и winpthreads|ZPL-2.1, общественное достояние, лицензии MIT и BSD"
  "gcc-mingw-w64|gcc-mingw-w64-base gcc-mingw-w64-x86-64-posix-runtime|GCC's runtime libraries (libgcc, libstdc++)|GPL-3 or later with the GCC Runtime Library Exception|библиотеки среды выполнения GCC (libgcc, libstdc++)|GPL-3 или более поздняя с исключением GCC Runtime Library Exception"
  "fonts-liberation|fonts-liberation|the Liberation Sans and Liberation Serif faces|GPL-2 with Red Hat's font exceptions|шрифты Liberation Sans и Liberation Serif|GPL-2 с исключениями Red Hat для шрифтов"
)

windows_text "$repo/LICENSE" "$stage/licenses/zasechka.txt"
named_licences=()
part_lines_en=""
part_lines_ru=""
source_lines=""
for part in "${parts[@]}"; do
  IFS='|' read -r src bins what_en licence_en what_ru licence_ru <<<"$part"
  # shellcheck disable=SC2086  # the binary packages are a list
  file=$(copyright_of $bins)
  # shellcheck disable=SC2086
  ver=$(version_of "$src" $bins)
  windows_text "$file" "$stage/licenses/$src.txt"
  part_lines_en+=$(printf '  %-21s %s.\n%24s%s.' "$src.txt" "$what_en" "" "$licence_en")$'\n'
  part_lines_ru+=$(printf '  %-21s %s.\n%24s%s.' "$src.txt" "$what_ru" "" "$licence_ru")$'\n'
  source_lines+=$(printf '    %-18s %s' "$src" "$ver")$'\n'
  # The licence texts the copyright file refers to on a Debian system.
  while IFS= read -r name; do
    named_licences+=("$name")
  done < <(grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]' "$file" |
    sed 's|.*/||' | sort -u)
done
# GPL-3 and LGPL-3, the licences of Zasechka and of Qt and MPFR, always; and
# GPL-2 for GMP's alternative and the faces.
named_licences+=(GPL-3 LGPL-3 GPL-2)
mkdir -p "$stage/licenses/common-licenses"
while IFS= read -r name; do
  target=$(realpath "/usr/share/common-licenses/$name" 2>/dev/null || true)
  if [[ -z "$target" || ! -f "$target" ]]; then
    echo "make_installer: /usr/share/common-licenses/$name is missing" >&2
    exit 1
  fi
  # "GPL" and "LGPL" are links to the latest version: the file takes the
  # name of what it is.
  windows_text "$target" "$stage/licenses/common-licenses/${target##*/}.txt"
done < <(printf '%s\n' "${named_licences[@]}" | sort -u)

# The commit the program was built from.
commit=${ZAS_SOURCE_COMMIT:-}
if [[ -z "$commit" ]]; then
  if commit=$(git -C "$repo" rev-parse HEAD 2>/dev/null); then
    if [[ -n "$(git -C "$repo" status --porcelain --untracked-files=no 2>/dev/null)" ]]; then
      commit+=" (with changes not yet committed)"
    fi
  else
    commit=unknown
  fi
fi
toolchain_gcc=$(x86_64-w64-mingw32-g++-posix -dumpversion 2>/dev/null || echo unknown)
toolchain_gcc=${toolchain_gcc%-posix}

cat >"$work/SOURCES.txt" <<EOF
Zasechka $version for Windows (64-bit): the corresponding source

Zasechka is free software under the GNU General Public License, version 3
or later (licenses/zasechka.txt); the libraries built into zasechka.exe and
zasechka.com are under the licences listed in licenses/README.txt. The GPL
and the LGPL give you the right to the complete corresponding source of this
program in the form preferred for changing it, and whoever gave you this
program must give it to you on request, for as long as they give out the
program (GPL-3, section 6). It is:

- Zasechka's source tree at commit
    $commit
  with its build scripts (scripts/windows.sh builds this program from it on
  Debian 12).

- Debian 12's source packages the program is built from or carries, at
  these versions:
$source_lines
  The compiler: GCC $toolchain_gcc for MinGW-w64, POSIX threads.

The libraries are linked statically: with the sources above and the build
scripts you can change any of them, Qt, MPFR and GMP included, and build the
program again with your changed copy.

Contact: Zasechka <zasechka@zasechka.invalid>. The address is under
.invalid, the top-level domain reserved never to exist: the project has no
domain of its own.

----------------------------------------------------------------

Исходный код Zasechka $version для Windows (64-разрядной)

Zasechka — свободная программа под лицензией GNU GPL версии 3 или более
поздней (licenses/zasechka.txt); лицензии встроенных в zasechka.exe и
zasechka.com библиотек перечислены в licenses/README.txt. GPL и LGPL дают
вам право на полный исходный код этой программы; тот, кто передал вам
программу, обязан по запросу передать и его (GPL-3, раздел 6). Это:

- дерево исходного кода Zasechka на коммите
    $commit
  со сценариями сборки (scripts/windows.sh собирает из него эту программу
  в Debian 12);

- исходные пакеты Debian 12, из которых собрана программа и её шрифты,
  этих версий:
$source_lines
  Компилятор: GCC $toolchain_gcc для MinGW-w64, потоки POSIX.

Библиотеки скомпонованы статически: с этими исходниками и сценариями сборки
вы можете изменить любую из них, в том числе Qt, MPFR и GMP, и собрать
программу заново со своей копией.
EOF
windows_text "$work/SOURCES.txt" "$stage/licenses/SOURCES.txt"

common_list=$(cd "$stage/licenses/common-licenses" && ls | sed 's/^/  common-licenses\//')
cat >"$work/README.txt" <<EOF
Zasechka $version: licences

Zasechka is free software: GNU General Public License, version 3 or later.
It comes with no warranty. The program is built with these parts, each
under its own licence; each file here is Debian's copyright file of the
source package it was built from, whole:

  zasechka.txt          Zasechka.
                        GPL-3 or later.
$part_lines_en
Where those files name /usr/share/common-licenses/NAME (a Debian system's
folder of licence texts), the text is here as common-licenses/NAME.txt:
$common_list

SOURCES.txt says where the corresponding source is.

----------------------------------------------------------------

Zasechka $version: лицензии

Zasechka — свободная программа под лицензией GNU GPL версии 3 или более
поздней. Гарантий нет. Программа собрана из этих частей, у каждой своя
лицензия; каждый файл здесь — файл copyright Debian того исходного пакета,
из которого собрана часть, целиком:

  zasechka.txt          Zasechka.
                        GPL-3 или более поздняя.
$part_lines_ru
Где эти файлы ссылаются на /usr/share/common-licenses/ИМЯ (папку текстов
лицензий в Debian), текст лежит здесь как common-licenses/ИМЯ.txt.

В SOURCES.txt сказано, где взять исходный код.
EOF
windows_text "$work/README.txt" "$stage/licenses/README.txt"

# The installer's icon: the program's own, IDI_ICON1 in its resources (or
# its one group icon under another name).
icon=/usr/share/nsis/Contrib/Graphics/Icons/modern-install.ico
if command -v wrestool >/dev/null; then
  wrestool -x -t 14 -n IDI_ICON1 "$stage/zasechka.exe" -o "$work/zasechka.ico" 2>/dev/null ||
    true
  if [[ ! -s "$work/zasechka.ico" ]] &&
    (($(wrestool -l -t 14 "$stage/zasechka.exe" 2>/dev/null | wc -l) == 1)); then
    wrestool -x -t 14 "$stage/zasechka.exe" -o "$work/zasechka.ico" 2>/dev/null || true
  fi
fi
if [[ -s "$work/zasechka.ico" ]]; then
  icon=$work/zasechka.ico
else
  echo "make_installer: zasechka.exe has no icon; the installer takes NSIS's own" >&2
fi

# The file lists of the installer and the uninstaller, from the staged
# folder: what is installed is exactly what is removed.
{
  echo 'SetOutPath "$INSTDIR"'
  for name in "${shipped[@]}"; do
    printf 'File "%s"\n' "$stage/$name"
  done
  echo 'SetOutPath "$INSTDIR\licenses"'
  (cd "$stage/licenses" && find . -maxdepth 1 -type f | sort) | while read -r f; do
    printf 'File "%s"\n' "$stage/licenses/${f#./}"
  done
  echo 'SetOutPath "$INSTDIR\licenses\common-licenses"'
  (cd "$stage/licenses/common-licenses" && ls) | while read -r f; do
    printf 'File "%s"\n' "$stage/licenses/common-licenses/$f"
  done
  echo 'SetOutPath "$INSTDIR"'
} >"$work/install_files.nsh"
{
  for name in "${shipped[@]}"; do
    printf 'Delete "$INSTDIR\\%s"\n' "$name"
  done
  (cd "$stage/licenses" && find . -type f | sort) | while read -r f; do
    f=${f#./}
    printf 'Delete "$INSTDIR\\licenses\\%s"\n' "${f//\//\\}"
  done
  echo 'RMDir "$INSTDIR\licenses\common-licenses"'
  echo 'RMDir "$INSTDIR\licenses"'
} >"$work/uninstall_files.nsh"

# Windows' version resource wants four numbers.
IFS=. read -r v1 v2 v3 v4 <<<"${version%%[-+~]*}"
vi_version=${v1:-0}.${v2:-0}.${v3:-0}.${v4:-0}

# Every file dated by the commit, in the zip and in the installer alike, so
# that the same sources make the same bytes.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct 2>/dev/null || date +%s)}
find "$stage" -exec touch -h -d "@$epoch" {} +

setup=$build/zasechka-$version-setup.exe
zipfile=$build/zasechka-$version-win64.zip
SOURCE_DATE_EPOCH=$epoch makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DVI_VERSION="$vi_version" \
  -DSTAGE="$stage" -DICON="$icon" -DOUTFILE="$setup" \
  -DINSTALL_FILES="$work/install_files.nsh" -DUNINSTALL_FILES="$work/uninstall_files.nsh" \
  "$here/zasechka.nsi"

# The zip: the same folder, its entries in a fixed order.
rm -f "$zipfile"
(cd "$work" && find "zasechka-$version" | LC_ALL=C sort | TZ=UTC zip -q -X -9 "$zipfile" -@)

echo "make_installer: $setup ($(stat -c %s "$setup") bytes)"
echo "make_installer: $zipfile ($(stat -c %s "$zipfile") bytes)"
