#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the Windows build links, from Debian's own source packages,
# with the MinGW-w64 cross compiler: GMP (for the generic x86-64, so that it
# runs on any 64-bit PC), MPFR, GoogleTest and Qt's base (Core, Gui,
# Widgets, PrintSupport, Test), all static. Each goes into a cache outside the
# tree,
#   ${XDG_CACHE_HOME:-$HOME/.cache}/zasechka/windows/<name>-<key>/
# where the key is a hash of the source version, the compiler's version and
# the recipe below that builds it; what the cache holds is not built again.
# The stable names prefix/<name> point at the current builds, and
# toolchain.cmake there is the cross toolchain Qt records.
#   scripts/windows_deps.sh [qtbase gmp mpfr googletest]
# builds those named (all when none is) and prints the cache folder.
# The sources come through apt's configured archive with deb-src added, in a
# private apt configuration: the machine's own sources stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."

cache=${XDG_CACHE_HOME:-$HOME/.cache}/zasechka/windows
mkdir -p "$cache/prefix" "$cache/logs"
jobs=${ZAS_JOBS:-2}
host=x86_64-w64-mingw32

# --- What each build is keyed by ----------------------------------------------

compiler_id() {
  {
    "$host-g++-posix" --version | head -n 1
    dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
      mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  } | sha256sum | cut -c1-16
}
source_version() {  # binary package: its source package and version, installed here
  dpkg-query -W -f='${source:Package} ${source:Version}\n' "$1"
}
key_of() {  # recipe function, source version...: a short hash
  {
    compiler_id
    declare -f "$1" toolchain_text
    shift
    printf '%s\n' "$@"
  } | sha256sum | cut -c1-12
}

# --- The sources, through a private apt configuration ---------------------------

apt_dir=
apt_private() {
  apt-get -q -o Dir::Etc::SourceList="$apt_dir/sources.list" \
    -o Dir::Etc::SourceParts="$apt_dir/sources.list.d" \
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" \
    -o Debug::NoLocking=1 "${sandbox[@]}" "$@"
}
sandbox=()
apt_prepare() {  # once: deb-src beside every deb line the machine has, lists fetched
  [[ -n "$apt_dir" ]] && return
  apt_dir=$(mktemp -d)
  trap 'rm -rf "$apt_dir"' EXIT
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  : >"$apt_dir/sources.list"
  if [[ -f /etc/apt/sources.list ]]; then
    sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list \
      >"$apt_dir/sources.list.d/machine.list"
  fi
  local n=0 f
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f "$f" ]] || continue
    n=$((n + 1))
    # A stanza for binary packages becomes the same stanza for sources.
    sed -E 's/^Types:.*\<deb\>.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/machine$n.sources"
  done
  for f in /etc/apt/sources.list.d/*.list; do
    [[ -f "$f" ]] || continue
    n=$((n + 1))
    sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >"$apt_dir/sources.list.d/machine$n.list"
  done
  # As root apt hands downloads to its unprivileged user, who cannot enter
  # this private folder.
  if [[ $(id -u) -eq 0 ]]; then sandbox=(-o APT::Sandbox::User=root); fi
  echo "Fetching the source package lists" >&2
  apt_private update >"$cache/logs/apt-update.log" 2>&1 ||
    { cat "$cache/logs/apt-update.log" >&2; exit 1; }
}
fetch_source() {  # source package, version, folder: unpacks it there, prints its tree
  local package=$1 version=$2 into=$3
  apt_prepare
  rm -rf "$into" && mkdir -p "$into"
  (cd "$into" && { apt_private source --only-source "$package=$version" ||
    { echo "$package $version is not in the archive; taking its newest" >&2 &&
      apt_private source --only-source "$package"; }; }) >>"$cache/logs/$package-source.log" 2>&1 ||
    { tail -n 20 "$cache/logs/$package-source.log" >&2; exit 1; }
  find "$into" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# --- The cross toolchain Qt records ---------------------------------------------

toolchain_text() {
  cat <<EOF
# Written by scripts/windows_deps.sh: the MinGW-w64 cross toolchain (POSIX
# threads) the Windows dependencies were built with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $host-gcc-posix)
set(CMAKE_CXX_COMPILER $host-g++-posix)
set(CMAKE_RC_COMPILER $host-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/$host)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}
toolchain=$cache/toolchain.cmake
if [[ "$(cat "$toolchain" 2>/dev/null)" != "$(toolchain_text)" ]]; then
  toolchain_text >"$toolchain"
fi

# --- The recipes -------------------------------------------------------------------

autotools_env=(CC="$host-gcc-posix" CXX="$host-g++-posix" AR="$host-ar"
  RANLIB="$host-ranlib" NM="$host-nm" STRIP="$host-strip")

build_gmp() {  # source tree, prefix
  cd "$1"
  # Debian's source leaves the manual out and patches the build files to
  # match; its build makes them again, as here.
  autoreconf -fi
  # The host's processor is the generic x86-64 (no --enable-fat, no
  # -march): only the instructions every 64-bit PC has.
  env "${autotools_env[@]}" CFLAGS="-O2" ./configure --host=$host --prefix="$2" \
    --enable-static --disable-shared --enable-cxx=no
  make -j"$jobs"
  make install
}
build_mpfr() {  # source tree, prefix, GMP's prefix
  cd "$1"
  env "${autotools_env[@]}" CFLAGS="-O2" ./configure --host=$host --prefix="$2" \
    --with-gmp="$3" --enable-static --disable-shared --enable-thread-safe
  make -j"$jobs"
  make install
}
build_googletest() {  # source tree, prefix
  cmake -S "$1" -B "$PWD/gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$2" -DBUILD_SHARED_LIBS=OFF \
    -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=ON
  cmake --build "$PWD/gtest-build" -j"$jobs"
  cmake --install "$PWD/gtest-build"
}
build_qtbase() {  # source tree, prefix
  # Static, release, only what the program and its tests use. Debian's
  # source leaves out the tablet (wintab) headers; Direct2D stays on, as
  # the DirectWrite font database of the windows platform is built with it.
  mkdir -p "$PWD/qt-build" && cd "$PWD/qt-build"
  "$1/configure" -xplatform win32-g++ -qt-host-path /usr -prefix "$2" \
    -static -release -nomake examples -nomake tests \
    -no-opengl -no-feature-sql -no-feature-network -no-feature-dbus \
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  cmake --build . --parallel "$jobs"
  cmake --install .
}

# --- Build what the cache lacks --------------------------------------------------

built() {  # name, key: the prefix's folder when it is complete
  [[ -f "$cache/$1-$2/.complete" ]]
}
wanted=("$@")
build() {  # name, source package, version, key, recipe arguments after the tree...
  local name=$1 package=$2 version=$3 key=$4
  shift 4
  local prefix=$cache/$name-$key
  if ((${#wanted[@]} > 0)) && [[ " ${wanted[*]} " != *" $name "* ]]; then
    return
  fi
  if built "$name" "$key"; then
    echo "$name: cached ($package $version)"
  else
    echo "$name: building $package $version into $prefix"
    local work=$cache/work-$name started=$SECONDS tree
    rm -rf "$work" "$prefix" && mkdir -p "$work"
    if [[ "$package" == googletest ]]; then
      tree=/usr/src/googletest
    else
      tree=$(fetch_source "$package" "$version" "$work/source")
    fi
    # The recipe stops at its first failing step (set -e does not reach
    # into a command that is tested).
    local status=0
    set +e
    (
      set -e
      cd "$work"
      "build_$name" "$tree" "$prefix" "$@"
    ) >"$cache/logs/$name.log" 2>&1
    status=$?
    set -e
    if ((status != 0)); then
      tail -n 40 "$cache/logs/$name.log" >&2
      echo "$name: FAILED, the whole log is $cache/logs/$name.log" >&2
      exit 1
    fi
    echo "$package $version" >"$prefix/zasechka-source.txt"
    touch "$prefix/.complete"
    rm -rf "$work"
    echo "$name: built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
  fi
  ln -sfn "../$name-$key" "$cache/prefix/$name"
  # Builds of older sources or recipes are not used again.
  find "$cache" -mindepth 1 -maxdepth 1 -type d -name "$name-*" ! -name "$name-$key" \
    -exec rm -rf {} +
}

read -r _ gmp_version < <(source_version libgmp10)
read -r _ mpfr_version < <(source_version libmpfr-dev)
read -r _ gtest_version < <(source_version googletest)
read -r _ qt_version < <(source_version qt6-base-dev)

# The longest first.
build qtbase qt6-base "$qt_version" "$(key_of build_qtbase "$qt_version")"
gmp_key=$(key_of build_gmp "$gmp_version")
build gmp gmp "$gmp_version" "$gmp_key"
mpfr_key=$(key_of build_mpfr "$mpfr_version" "$gmp_key")
build mpfr mpfr4 "$mpfr_version" "$mpfr_key" "$cache/gmp-$gmp_key"
build googletest googletest "$gtest_version" "$(key_of build_googletest "$gtest_version")"
echo "$cache"
