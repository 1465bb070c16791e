# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building the whole program and its tests for 64-bit Windows on an
# x86-64 Debian machine, with MinGW-w64 (POSIX threads), and running what it
# builds under wine. Qt, GMP, MPFR and GoogleTest come from the cache that
# scripts/windows_deps.sh fills; scripts/windows.sh does all of it:
#   cmake -S . -B build-windows \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/x86_64-w64-mingw32.cmake \
#     -DZAS_RENDER_PICTURE=path/to/host/zas_render_picture
# Every program is linked statically: it needs no DLL but Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# The dependencies' cache, as the script that builds them names it.
if(DEFINED ENV{ZAS_WINDOWS_DEPS})
  set(ZAS_WINDOWS_DEPS $ENV{ZAS_WINDOWS_DEPS})
elseif(DEFINED ENV{XDG_CACHE_HOME})
  set(ZAS_WINDOWS_DEPS $ENV{XDG_CACHE_HOME}/zasechka/windows)
else()
  set(ZAS_WINDOWS_DEPS $ENV{HOME}/.cache/zasechka/windows)
endif()
# Passed on to the compiler checks, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZAS_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
foreach(dependency qtbase mpfr gmp googletest)
  get_filename_component(prefix ${ZAS_WINDOWS_DEPS}/prefix/${dependency} REALPATH)
  list(APPEND CMAKE_FIND_ROOT_PATH ${prefix})
endforeach()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's tools (moc, uic, rcc) are the build machine's, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Every test, the test discovery and the sheet corpus go through wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine_run.sh)
