#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zasechka.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display to show the windows on: start it on a virtual one with  xvfb-run -a ./build/zasechka" >&2
  exit 1
fi
exec ./build/zasechka
