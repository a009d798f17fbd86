#!/usr/bin/env bash
# Configures (once) and builds Vorel in build/. VOREL_CMAKE_ARGS adds
# options to the first configuration (CI: -DVOREL_WERROR=ON -DVOREL_BENCH=ON).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VOREL_BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
    # shellcheck disable=SC2086
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${VOREL_CMAKE_ARGS:-}
fi
cmake --build "$build"
