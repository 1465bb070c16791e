#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer's round trip under wine, in a fresh prefix of its own:
#   packaging/windows/installer_test.sh BUILD_DIR VERSION
# takes BUILD_DIR/zasechka-VERSION-setup.exe and its zip (make_installer.sh
# writes both), installs silently for the current user, for all users into a
# folder with Cyrillic letters and spaces, and an earlier version and then
# this one over it; each time it finds the files, the Start-menu shortcut,
# the .zas association and the entry in the list of programs, runs the
# installed program's --version, uninstalls silently and checks that the
# prefix is as it was before, files and registry, but for what the user
# left. Windows 8.1 must be refused, and while the program runs neither a
# setup nor the uninstaller may change anything. Ends with
#   Installer: N passed, N failed
# and exits non-zero when anything failed. Needs wine, makensis (for the
# earlier version's installer) and the locales data (scripts/setup.sh
# --windows); nothing is written outside its temporary folder: wine's
# menu builder is off, and HOME is the temporary folder's.
set -uo pipefail

if (($# != 2)); then
  echo "usage: $0 BUILD_DIR VERSION" >&2
  exit 2
fi
build=$(realpath "$1")
version=$2
here=$(dirname "$(realpath "$0")")
setup=$build/zasechka-$version-setup.exe
zipfile=$build/zasechka-$version-win64.zip

passed=0
failed=0
check() {  # name, command...: one check, passed when the command succeeds
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "  ok: $name"
  else
    failed=$((failed + 1))
    echo "  FAILED: $name"
  fi
}
section() { echo "== $1 (at $SECONDS s)"; }
finish() {
  echo "Installer: $passed passed, $failed failed"
  if ((failed > 0)); then exit 1; fi
  exit 0
}
for f in "$setup" "$zipfile"; do
  if [[ ! -f "$f" ]]; then
    echo "installer_test: $f is missing (packaging/windows/make_installer.sh makes it)" >&2
    failed=$((failed + 1))
    finish
  fi
done

tmp=$(mktemp -d)
export WINEPREFIX=$tmp/prefix WINEARCH=win64 WINEDEBUG=-all
# No Linux menu entries or MIME types, no downloads of Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$tmp/home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DESKTOP_DIR DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
cleanup() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Russian Windows: a private Russian UTF-8 locale (LOCPATH), so that wine
# gives the installer Russian as the display language and passes Cyrillic
# arguments intact. Without the locales data: English, still UTF-8.
english_comment="Compute a forward intersection by Jung's and by Gauss's formulas"
russian=(LANG=C.UTF-8)
russian_comment=$english_comment
mkdir -p "$tmp/locale"
# shellcheck disable=SC2034  # read through run's name reference
if localedef -i ru_RU -f UTF-8 "$tmp/locale/ru_RU.UTF-8" >/dev/null 2>&1; then
  russian=(LOCPATH="$tmp/locale" LANG=ru_RU.UTF-8)
  russian_comment="Координаты точки прямой засечкой по формулам Юнга и Гаусса"
else
  echo "installer_test: no ru_RU locale data (package locales); the Russian runs are English" >&2
fi
english=(LANG=C.UTF-8)
unset LC_ALL LC_CTYPE LC_MESSAGES LC_NUMERIC LANGUAGE
run() {  # language (russian|english), program and arguments: under wine
  local -n lang=$1
  shift
  env "${lang[@]}" wine "$@"
}

section "A fresh wine prefix"
env "${english[@]}" wineboot -i >/dev/null 2>&1
drive=$WINEPREFIX/drive_c
user=
for d in "$drive/users"/*; do
  [[ "${d##*/}" == Public ]] || user=${d##*/}
done
profile_win="C:\\users\\$user"
programs_user="$drive/users/$user/AppData/Local/Programs"
menu_user="$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
menu_all="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
# What every Windows has and a fresh wine prefix lacks until something is
# installed: the users' classes, the list of programs, the folder of one
# user's programs. They stay after an uninstall, as on Windows.
for key in 'HKCU\Software\Classes' 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
  run english reg add "$key" /f >/dev/null
done
mkdir -p "$programs_user" "$menu_user" "$menu_all"

# ---- the registry and the prefix, read as on Windows

# The prefix as it is now: every file outside the temporary folders, and
# the user's and the machine's software in the registry as `reg export`
# writes them (UTF-16 turned into UTF-8). The checks read the last one taken.
snapshot() {  # name
  (cd "$drive" && find . -path ./windows -prune -o -path "./users/$user/Temp" -prune \
    -o -path "./users/$user/AppData/Local/Temp" -prune -o -print | LC_ALL=C sort) >"$tmp/$1.files"
  : >"$tmp/$1.reg"
  local hive
  for hive in 'HKCU\Software' 'HKLM\Software'; do
    run english reg export "$hive" "$tmp/hive.reg" /y >/dev/null 2>&1
    # Less what wine itself writes as it goes: its own settings and the
    # network cards it finds.
    iconv -f UTF-16 -t UTF-8 "$tmp/hive.reg" | tr -d '\r' |
      awk '/^\[/ { wine = $0 ~ /^\[HKEY_CURRENT_USER\\Software\\Wine(\\|\])/ ||
                      $0 ~ /\\Windows NT\\CurrentVersion\\NetworkCards(\\|\])/ }
           !wine' >>"$tmp/$1.reg"
  done
  cp "$tmp/$1.reg" "$tmp/now.reg"
}
# The keys an installation writes, and the lists of programs, alone: what
# the checks of an installation read, quicker than all the registry.
our_keys() {
  : >"$tmp/now.reg"
  local root key
  for root in HKCU HKLM; do
    for key in Software\\Classes\\Zasechka.Sheet Software\\Classes\\.zas \
      Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall; do
      run english reg export "$root\\$key" "$tmp/key.reg" /y >/dev/null 2>&1 || continue
      iconv -f UTF-16 -t UTF-8 "$tmp/key.reg" | tr -d '\r' >>"$tmp/now.reg"
    done
  done
}
same_as_before() {  # the earlier snapshot's name; compares the last one, "after"
  diff "$tmp/$1.files" "$tmp/after.files" | sed 's/^/    /' | head -n 20
  diff "$tmp/$1.reg" "$tmp/after.reg" | sed 's/^/    /' | head -n 20
  cmp -s "$tmp/$1.files" "$tmp/after.files" && cmp -s "$tmp/$1.reg" "$tmp/after.reg"
}
# A key's own values, from the last snapshot (key names compare as on
# Windows, whatever their case).
full_name() {  # HKCU\... or HKLM\...
  local k=${1/#HKCU\\/HKEY_CURRENT_USER\\}
  echo "[${k/#HKLM\\/HKEY_LOCAL_MACHINE\\}]"
}
reg_section() {  # key
  want=$(full_name "$1") awk 'BEGIN { want = tolower(ENVIRON["want"]) }
    /^\[/ { inside = (tolower($0) == want); next } inside && NF' "$tmp/now.reg"
}
has_key() {  # key
  want=$(full_name "$1") awk 'BEGIN { want = tolower(ENVIRON["want"]) }
    tolower($0) == want { found = 1 } END { exit !found }' "$tmp/now.reg"
}
no_key() { ! has_key "$1"; }
# One value: a string unescaped, a dword as "dword:…", a REG_NONE as
# "hex(0):"; the default value is named "@".
reg_get() {  # key, value name
  local name=$2 line
  if [[ "$name" == @ ]]; then
    line=$(reg_section "$1" | grep -m1 '^@=') || return 1
    line=${line#@=}
  else
    line=$(reg_section "$1" | grep -m1 -F "\"$name\"=") || return 1
    line=${line#\""$name"\"=}
  fi
  if [[ "$line" == \"*\" ]]; then
    line=${line:1:-1}
    line=${line//\\\"/\"}
    line=${line//\\\\/\\}
  fi
  printf '%s\n' "$line"
}
is() {  # expected, actual
  [[ "$1" == "$2" ]] || { echo "    expected: $1" && echo "    found:    $2" && false; }
}
value_is() {  # key, value name, expected
  is "$3" "$(reg_get "$1" "$2")"
}
unix_path() { run english winepath -u "$1" 2>/dev/null; }

# The zip's files, to compare with the installed folder.
mkdir -p "$tmp/zip"
unzip -q "$zipfile" -d "$tmp/zip"
zipped=$tmp/zip/zasechka-$version
same_files_as_zip() {  # installed folder (Unix path)
  diff -r -x uninstall.exe "$zipped" "$1" | sed 's/^/    /' | head -n 10
  diff -r -q -x uninstall.exe "$zipped" "$1" >/dev/null
}
shortcut_names() {  # .lnk file, folder (Windows path): the link names the program there
  # The link's strings are UTF-16, at even or odd offsets.
  [[ -f "$1" ]] && {
    iconv -f UTF-16LE -t UTF-8 -c <"$1" 2>/dev/null
    tail -c +2 "$1" | iconv -f UTF-16LE -t UTF-8 -c 2>/dev/null
    true
  } | grep -a -q -F "$2\\zasechka.exe"
}
version_says() {  # expected version, output
  [[ "$(tr -d '\r' <<<"$2")" == "zasechka $1" ]] ||
    { echo "    --version said: $2" && false; }
}
uninstall_quietly() {  # root key (HKCU or HKLM): the registered quiet uninstall
  local quiet exe args
  quiet=$(reg_get "$1\\$uninst" QuietUninstallString) || return 1
  exe=${quiet#\"}
  exe=${exe%%\"*}
  args=${quiet#\"*\" }
  # shellcheck disable=SC2086  # the registered arguments, as Windows splits them
  run russian "$(unix_path "$exe")" $args
  # The uninstaller runs on from a copy in the temporary folder, and its
  # entry in the list of programs is the last thing it removes.
  local i
  for ((i = 0; i < 120; i++)); do
    run english reg query "$1\\$uninst" >/dev/null 2>&1 || break
    sleep 0.5
  done
  sleep 1
}

uninst='Software\Microsoft\Windows\CurrentVersion\Uninstall\Zasechka'
progid='Software\Classes\Zasechka.Sheet'
zas='Software\Classes\.zas'

# Everything one installation must have written.
installed() {  # root key, folder (Windows path), version, mode, start menu (Unix)
  local root=$1 dir=$2 ver=$3 mode=$4 menu=$5 unix size
  unix=$(unix_path "$dir")
  our_keys
  check "the program's files are in $dir" test -f "$unix/zasechka.exe" -a -f "$unix/zasechka.com" \
    -a -f "$unix/uninstall.exe" -a -f "$unix/licenses/README.txt" -a -f "$unix/licenses/SOURCES.txt"
  check "the installed files are the zip's" same_files_as_zip "$unix"
  check "the Start-menu shortcut starts $dir\\zasechka.exe" shortcut_names "$menu/Zasechka.lnk" "$dir"
  check "ProgID Zasechka.Sheet is «Лист засечки»" value_is "$root\\$progid" @ "Лист засечки"
  check "ProgID's command opens the file" value_is "$root\\$progid\\shell\\open\\command" @ \
    "\"$dir\\zasechka.exe\" \"%1\""
  check "ProgID's icon is the program's" value_is "$root\\$progid\\DefaultIcon" @ "$dir\\zasechka.exe,0"
  check ".zas opens with Zasechka.Sheet" value_is "$root\\$zas" @ Zasechka.Sheet
  check ".zas OpenWithProgids lists Zasechka.Sheet" value_is "$root\\$zas\\OpenWithProgids" \
    Zasechka.Sheet "hex(0):"
  check "the list of programs: Zasechka" value_is "$root\\$uninst" DisplayName Zasechka
  check "the list of programs: version $ver" value_is "$root\\$uninst" DisplayVersion "$ver"
  check "the list of programs: publisher" value_is "$root\\$uninst" Publisher Zasechka
  check "the list of programs: icon" value_is "$root\\$uninst" DisplayIcon "$dir\\zasechka.exe,0"
  check "the list of programs: folder" value_is "$root\\$uninst" InstallLocation "$dir"
  check "the list of programs: uninstaller" value_is "$root\\$uninst" UninstallString \
    "\"$dir\\uninstall.exe\" /$mode"
  check "the list of programs: quiet uninstaller" value_is "$root\\$uninst" QuietUninstallString \
    "\"$dir\\uninstall.exe\" /S /$mode"
  size=$(reg_get "$root\\$uninst" EstimatedSize)
  check "the list of programs: size ($size)" test $((16#${size#dword:})) -gt 0
  check "one entry in the lists of programs" is 1 \
    "$(awk '/^\[/ { entry = tolower($0) ~ /\\uninstall\\/ } entry && /^"DisplayName"="Zasechka"$/' \
      "$tmp/now.reg" | wc -l)"
}
# After an uninstall, with what the user kept taken away: nothing of the
# program is left, and the prefix is as it was before it was installed.
removed() {  # root key, start menu (Unix)
  snapshot after
  check "no Start-menu shortcut" test ! -e "$2/Zasechka.lnk"
  check "no entry in the list of programs" no_key "$1\\$uninst"
  check "no ProgID" no_key "$1\\$progid"
  check "no .zas key" no_key "$1\\$zas"
  check "the prefix is as before the install" same_as_before before
}

# One wine server for the whole test, ended on exit.
wineserver -p
section "Windows 8.1 is refused"
run english winecfg -v win81
snapshot before
run russian "$setup" /S /CurrentUser
status=$?
check "the installer exits with an error ($status)" test "$status" -ne 0
snapshot after
check "nothing is installed" same_as_before before
run english winecfg -v win10
snapshot before

section "For the current user, in Russian, the default folder"
dir="$profile_win\\AppData\\Local\\Programs\\Zasechka"
run russian "$setup" /S /CurrentUser
check "the installer exits with 0" test $? -eq 0
installed HKCU "$dir" "$version" CurrentUser "$menu_user"
check "Russian pages: the entry's comment" value_is "HKCU\\$uninst" Comments "$russian_comment"
out=$(run russian cmd /c "cd /d $dir && zasechka --version" 2>&1)
check "«zasechka --version» in cmd: zasechka.com answers" version_says "$version" "$out"
# The program running (wine's cmd in its place, waiting on its input): a
# setup over it and its uninstaller stop with status 4 and change nothing.
unix=$(unix_path "$dir")
cp "$unix/zasechka.exe" "$tmp/zasechka.exe"
cp "$drive/windows/system32/cmd.exe" "$unix/zasechka.exe"
mkfifo "$tmp/input"
run english "$unix/zasechka.exe" /k <"$tmp/input" >/dev/null 2>&1 &
running=$!
exec 3>"$tmp/input"
sleep 2
run russian "$setup" /S /CurrentUser
check "a setup over the running program stops" is 4 $?
run russian "$unix/uninstall.exe" /S /CurrentUser "_?=$dir"
check "the uninstaller stops while the program runs" is 4 $?
our_keys
check "the program stays installed" value_is "HKCU\\$uninst" DisplayVersion "$version"
exec 3>&-
wait "$running"
cp "$tmp/zasechka.exe" "$unix/zasechka.exe"
documents="$drive/users/$user/Documents"
mkdir -p "$documents"
echo '{"format":"zasechka"}' >"$documents/мой лист.zas"
uninstall_quietly HKCU
check "the user's .zas file is left alone" test -s "$documents/мой лист.zas"
rm -f "$documents/мой лист.zas"
removed HKCU "$menu_user"

section "For all users, in English, a folder with Cyrillic letters and spaces"
dir='C:\Программы и тест\Засечка 1'
# /D= takes the rest of the command line; wine would quote one argument
# with spaces in it, so the folder goes as words.
read -r -a words <<<"/D=$dir"
run english "$setup" /S /AllUsers "${words[@]}"
check "the installer exits with 0" test $? -eq 0
installed HKLM "$dir" "$version" AllUsers "$menu_all"
check "English pages: the entry's comment" value_is "HKLM\\$uninst" Comments "$english_comment"
check "nothing for the current user" no_key "HKCU\\$uninst"
unix=$(unix_path "$dir")
out=$(run russian "$unix/zasechka.com" --version 2>&1)
check "zasechka.com --version from the Cyrillic folder" version_says "$version" "$out"
# Another program has taken .zas since, and the user saved a sheet in the
# program's folder: the uninstaller leaves both.
run english reg add "HKLM\\$zas" /ve /d Other.Sheet /f >/dev/null
echo '{"format":"zasechka"}' >"$unix/заметки.zas"
uninstall_quietly HKLM
our_keys
check ".zas still opens with the other program" value_is "HKLM\\$zas" @ Other.Sheet
check "Zasechka.Sheet gone from OpenWithProgids" no_key "HKLM\\$zas\\OpenWithProgids"
check "the user's file stays, alone in the folder" is "заметки.zas" "$(ls -A "$unix")"
run english reg delete "HKLM\\$zas" /f >/dev/null
rm -rf "$drive/Программы и тест"
removed HKLM "$menu_all"

section "A newer version over an earlier one, for all users, the default folder"
# The earlier version: the same program with one more file, which the
# newer version must take away.
old=$tmp/old
mkdir -p "$old/ship"
cp "$build/ship/"* "$old/ship/"
echo "a file of the earlier version" >"$old/ship/earlier.txt"
"$here/make_installer.sh" "$old" 0.9.0 >/dev/null
dir='C:\Program Files\Zasechka'
unix=$(unix_path "$dir")
run russian "$old/zasechka-0.9.0-setup.exe" /S /AllUsers
our_keys
check "the earlier version is in the list of programs" value_is "HKLM\\$uninst" DisplayVersion 0.9.0
check "its extra file is installed" test -f "$unix/earlier.txt"
# No mode given: the installer finds the earlier version for all users.
run russian "$setup" /S
check "the installer exits with 0" test $? -eq 0
installed HKLM "$dir" "$version" AllUsers "$menu_all"
check "the earlier version's file is gone" test ! -e "$unix/earlier.txt"
uninstall_quietly HKLM
removed HKLM "$menu_all"

finish
