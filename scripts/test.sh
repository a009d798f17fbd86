#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build="${VOREL_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
