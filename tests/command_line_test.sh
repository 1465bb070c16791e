#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the program answers before the toolkit starts, with no display at all:
# each answer's exit code and first line.
#   command_line_test.sh path/to/zasechka version
set -u
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES XDG_SESSION_TYPE
# A program for another system runs through its emulator (ZAS_RUN).
if [ -n "${ZAS_RUN:-}" ]; then
  folder=$(mktemp -d)
  trap 'rm -rf "$folder"' EXIT
  printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$ZAS_RUN" "$program" >"$folder/run"
  chmod +x "$folder/run"
  program=$folder/run
fi
failed=0
expect() {  # exit code, first line's pattern, environment and arguments...
  code=$1 pattern=$2
  shift 2
  first=$(env "$@" 2>&1 | head -n 1)
  env "$@" >/dev/null 2>&1
  got=$?
  case "$first" in
    $pattern) [ "$got" -eq "$code" ] && return ;;
  esac
  echo "FAILED: $* gave exit code $got and \"$first\"" >&2
  failed=1
}
expect 0 "zasechka $version" LANG=C "$program" --version
expect 0 "Usage: zasechka *" LANG=C.UTF-8 "$program" --help
expect 0 "Использование: zasechka *" LANG=ru_RU.UTF-8 "$program" --help
expect 0 "Использование: zasechka *" LANG=C LC_MESSAGES=ru_RU.UTF-8 "$program" -platform xcb --help
# The language: LC_ALL outranks LANG; an empty variable counts as unset.
expect 0 "Usage: zasechka *" LC_ALL=C LANG=ru_RU.UTF-8 "$program" --help
expect 0 "Использование: zasechka *" LC_ALL= LANG=ru_RU.UTF-8 "$program" --help
# Where X11 or Wayland draw the windows, a missing display is answered
# before the toolkit starts. Windows names no display in the environment
# (main_window_test checks that the program starts there without one), so
# there these would start the windows.
if [ -z "${ZAS_WINDOWS:-}" ]; then
  expect 1 "zasechka: no graphical session*xvfb-run*" LANG=C "$program" -style Fusion
  expect 1 "zasechka: no graphical session*" LANG=C DISPLAY= "$program"
  # An option's value, or anything after "--", is not read as an option.
  expect 1 "zasechka: no graphical session*" LANG=C "$program" -name --help
  expect 1 "zasechka: no graphical session*" LANG=C "$program" -- --version
  # A display that cannot be opened: not Qt's abort.
  expect 1 "zasechka: cannot open display :77" LANG=C DISPLAY=:77 "$program"
  expect 1 "zasechka: cannot open display :77" LANG=C "$program" --display=:77
fi
# An unknown option, or one without its value, is refused by name.
expect 2 "zasechka: unknown option --bogus; *" LANG=C "$program" --bogus a.zas
expect 2 "zasechka: unknown option -v; *" LANG=C "$program" -v
expect 2 "zasechka: у параметра -name нет значения; *" LANG=ru_RU.UTF-8 "$program" -style Fusion -name
# No platform Qt can start: not Qt's abort. (The console twin hands the
# windows over to zasechka.exe and does not wait for them: its own exit code
# is 0.)
expect "${ZAS_STARTED_CODE:-1}" "zasechka: Qt could not start a platform*" LANG=C \
  QT_QPA_PLATFORM=nosuch "$program"
# --check over a folder of mixed sheets, with no display: each file's
# verdicts, the first slip of each determination, the exit codes (the
# highest over the files), and the grade book's rows.
class=$(mktemp -d)
trap 'rm -rf "$class"' EXIT
sheet() {  # file, method, then "name=text" changes to the filled-in sheet
  file=$1 method=$2
  shift 2
  if [ "$method" = jung ]; then
    set -- EAg=103 EAm=15 EAs=35 EXa=823,61 EYa=-192,37 EBg=38 EBm=39 EBs=17 EXb=329,83 \
      EYb=1822,81 EBbg=26 EBbm=50 Ebbs=16 EXbb=329,83 EYbb=1822,81 ECg=92 ECm=26 ECs=10 \
      EXc=3138,17 EYc=1290,17 Ectgb1=-0,23564 Ectgb2=1,25022 Ectgbb1=1,97642 Ectgbb2=-0,04254 \
      Eb1b2=1,01458 Ebb1bb2=1,93388 EXp1=2924,51 EYp1=-173,71 EXpp1=2924,52 EYpp1=-173,72 \
      Xp=2924,515 Yp=-173,715 "$@"
  else
    set -- EAg=0 EAm=30 EAs=30 EXA=823,61 EYa=-192,37 EBg=322 EBm=25 EBs=22 EXb=329,83 \
      EYb=1822,81 EBbg=322 EBbm=25 EBbs=22 EXbb=329,83 EYbb=1822,81 ECg=261 ECm=41 ECs=38 \
      EXc=3138,17 EYc=1290,17 Etga1=0,00887 Etga2=-0,76947 Etga1a2=0,77834 EXp=2924,53 \
      EYp=-173,73 Etgaa1=-0,76947 Etgaa2=6,84963 Etgaa1aa2=-7,6191 EXpp=2924,45 EYpp=-173,67 \
      Xp=2924,49 Yp=-173,7 "$@"
  fi
  { printf '{"format": "zasechka-sheet", "version": 1, "method": "%s", "fields": {' "$method"
    sep=
    for pair; do printf '%s"%s": "%s"' "$sep" "${pair%%=*}" "${pair#*=}"; sep=', '; done
    printf '}}\n'; } > "$class/$file"
}
sheet a-jung-right.zas jung
sheet b-gauss-slips.zas gauss Etga2=-0,76948 Etgaa2=6,84964 EXpp=2924,46 'Yp=1\"5'
sheet c-jung-empty-input.zas jung EAg=
printf '{"format": "zasechka-sheet", "version": 1' > "$class/d-broken.zas"
check() {  # exit code, output's pattern, arguments...
  code=$1 pattern=$2
  shift 2
  out=$(env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$program" --check "$@" 2>&1)
  got=$?
  case "$out" in
    $pattern) [ "$got" -eq "$code" ] && return ;;
  esac
  printf 'FAILED: --check %s gave exit code %s and\n%s\n' "$*" "$got" "$out" >&2
  failed=1
}
check 0 "*a-jung-right.zas: лист по формулам Юнга*Все 12 значений листа совпадают*" \
  "$class/a-jung-right.zas"
check 1 "*tg α2 (Etga2): расходится: должно быть -0,76947, в листе -0,76948*Совпадают с вычисленными: 8 из 12 значений; расходятся: 4.
  Первое расхождение в первом определении: tg α2;*
  Первое расхождение во втором определении: tg α3;*
  Первое расхождение в средних: Среднее Yp.*" "$class/b-gauss-slips.zas"
check 1 "*c-jung-empty-input.zas: лист по формулам Юнга
  Введите исходные данные(они обозначены красным цветом)*" "$class/c-jung-empty-input.zas"
check 2 "*a-jung-right.zas: лист*b-gauss-slips.zas: лист*c-jung-empty-input.zas: лист*d-broken.zas: Файл повреждён или обрезан: он не дочитывается до конца.*" "$class"
check 2 "*zasechka: --check*" --format=csv
# The grade book: a BOM, ";" between fields, RFC 4180 quotes, CR LF.
# Linux takes the language and the number format from variables of their
# own; wine takes both from one, so there the whole grade book is Russian.
if [ -z "${ZAS_WINDOWS:-}" ]; then
  env LANG=C.UTF-8 LC_NUMERIC=ru_RU.UTF-8 "$program" --check --format=csv "$class" > "$class/rows.csv"
  csv_code=$?
  summary='"8 of 12 values agree; differing: 4. First discrepancy in the first determination: tg α2;'
else
  env LANG=ru_RU.UTF-8 "$program" --check --format=csv "$class" > "$class/rows.csv"
  csv_code=$?
  summary='"Совпадают с вычисленными: 8 из 12 значений; расходятся: 4. Первое расхождение в первом определении: tg α2;'
fi
[ $csv_code -eq 2 ] || { echo "FAILED: --check --format=csv over the folder: not exit code 2" >&2; failed=1; }
expect_row() {
  grep -qF "$1" "$class/rows.csv" || { echo "FAILED: no CSV row $1" >&2; failed=1; }
}
expect_row "$(printf '\357\273\277file;method;field;name;expected;given;verdict\r')"
expect_row "$(printf '%s;jung;Ectgb1;ctg β1;-0,23564;-0,23564;ok\r' "$class/a-jung-right.zas")"
expect_row "$(printf '%s;gauss;Yp;Среднее Yp;-173,7;"1""5";differs\r' "$class/b-gauss-slips.zas")"
expect_row "$(printf '%s;gauss;;%s' "$class/b-gauss-slips.zas" "$summary")"
expect_row "$(printf '%s;jung;;Введите исходные данные(они обозначены красным цветом);;;uncomputable\r' "$class/c-jung-empty-input.zas")"
expect_row "$(printf '%s;;;Файл повреждён или обрезан: он не дочитывается до конца.;;;unreadable\r' "$class/d-broken.zas")"
exit $failed
