#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer and its round trip without the real Windows build (whose Qt
# takes the best part of an hour to build): a stand-in program, compiled
# here with MinGW, that answers --version as zasechka.com does, with an icon
# resource as zasechka.exe has, beside the two Liberation faces.
#   packaging/windows/standin_test.sh [BUILD_DIR] [VERSION]
# BUILD_DIR defaults to a temporary folder, VERSION to 1.0.0.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
version=${2:-1.0.0}
if [[ -n "${1:-}" ]]; then
  build=$(realpath -m "$1")
  mkdir -p "$build"
else
  build=$(mktemp -d)
  trap 'rm -rf "$build"' EXIT
fi
ship=$build/ship
rm -rf "$ship"
mkdir -p "$ship"
cxx=x86_64-w64-mingw32-g++-posix

cat >"$build/standin.cpp" <<'EOF'
// Stands in for zasechka.com: "--version" prints the program's name and
// version, as the real one does. Built as the GUI program it answers
// nothing, as on Windows, where a GUI program's output is lost: cmd must
// find the console twin.
#include <cstdio>
#include <cstring>
int main(int argc, char **argv) {
#ifdef ZAS_CONSOLE
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0)
    std::printf("zasechka %s\n", ZAS_VERSION);
#else
  (void)argc;
  (void)argv;
#endif
  return 0;
}
EOF
# The icon the real program carries as IDI_ICON1; here one of NSIS's own.
printf 'IDI_ICON1 ICON "%s"\n' /usr/share/nsis/Contrib/Graphics/Icons/orange-install.ico \
  >"$build/standin.rc"
x86_64-w64-mingw32-windres "$build/standin.rc" -O coff -o "$build/standin.res"
"$cxx" -O2 -static -DZAS_VERSION="\"$version\"" -mwindows "$build/standin.cpp" \
  "$build/standin.res" -o "$ship/zasechka.exe"
"$cxx" -O2 -static -DZAS_VERSION="\"$version\"" -DZAS_CONSOLE -mconsole "$build/standin.cpp" \
  "$build/standin.res" -o "$ship/zasechka.com"
cp /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf \
  /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf "$ship/"
cat >"$ship/sources.txt" <<EOF
# The Debian source packages of the Windows build (here the host's versions)
qt6-base $(dpkg-query -W -f='${source:Version}' libqt6core6)
gmp $(dpkg-query -W -f='${source:Version}' libgmp10)
mpfr4 $(dpkg-query -W -f='${source:Version}' libmpfr6)
EOF

"$here/make_installer.sh" "$build" "$version"
"$here/installer_test.sh" "$build" "$version"
