#!/usr/bin/env bash
# The stricter checks CI runs after the tests:
#  - every source is formatted as .clang-format says;
#  - every text of the program has its translation in every language;
#  - the core (everything without Qt) and its tests are built with clang
#    under AddressSanitizer and UndefinedBehaviorSanitizer, and the tests run;
#  - the fuzz targets are built in the same tree, so they cannot rot.
# The build lives in build-sanitize/ (VOREL_SANITIZE_DIR moves it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh" clang clang-format libclang-rt-14-dev python3
cd "$root"

echo "== formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== translations"
bash "$root/scripts/check-translations.sh"

echo "== core and fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer"
build="${VOREL_SANITIZE_DIR:-$root/build-sanitize}"
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVOREL_FUZZ=ON -DVOREL_TESTS=ON -DVOREL_GUI=OFF
fi
cmake --build "$build"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
