#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vorel on the given data file
# (the bundled example when none is given).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build="${VOREL_BUILD_DIR:-$root/build}"
# The example in the language the program will speak.
example="$root/examples/sample.vrf"
if [ "$("$build/src/vorel-cli" language 2>/dev/null || true)" = en ]; then
    example="$root/examples/sample-en.vrf"
fi
file="${1:-$example}"
if [ -x "$build/src/vorel" ]; then
    exec "$build/src/vorel" "$file"
fi
exec "$build/src/vorel-cli" info "$file"
