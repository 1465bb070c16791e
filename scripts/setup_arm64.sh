#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the arm64 build of the core needs on an x86-64 Debian machine,
# only what is missing: the cross compiler, user-mode QEMU, and MPFR,
# GoogleTest and the C++ runtime for arm64 from Debian's multiarch archive.
# Adds the arm64 architecture to dpkg first when it is not there yet. As root
# with no terminal (CI); elsewhere through sudo.
set -euo pipefail
cd "$(dirname "$0")"

if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  echo "Adding the arm64 architecture to dpkg"
  "${sudo[@]}" dpkg --add-architecture arm64
fi

# setup.sh refreshes the package lists before it installs anything missing.
./setup.sh g++-aarch64-linux-gnu qemu-user-static \
  libmpfr-dev:arm64 libgtest-dev:arm64 libstdc++6:arm64
