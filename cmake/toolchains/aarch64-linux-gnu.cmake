# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building the toolkit-free core (the arithmetic, both computations and
# their tests) for 64-bit ARM on an x86-64 Debian machine, and running what
# it builds under user-mode QEMU:
#   cmake -S . -B build-arm64 \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake \
#     -DZAS_BUILD_APP=OFF -DZAS_BUILD_BENCHMARKS=OFF
# Needs g++-aarch64-linux-gnu, qemu-user-static, and the arm64 multiarch
# packages libmpfr-dev:arm64, libgtest-dev:arm64 and libstdc++6:arm64
# (scripts/setup_arm64.sh installs them).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# The arm64 libraries live beside the host's, in the multiarch folders
# (/usr/lib/aarch64-linux-gnu); the headers they share are in /usr/include.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# The machine runs no foreign binary by itself: every test, and the test
# discovery at build time, goes through QEMU, which finds the arm64 loader
# and libraries in the multiarch folders.
find_program(ZAS_QEMU_AARCH64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZAS_QEMU_AARCH64})
