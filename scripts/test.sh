#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   AddressSanitizer and UBSan, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

carpeta=build
opciones=()
if [ "${1:-}" = "--sanitize" ]; then
    carpeta=build-sanitize
    opciones=(-DTORVEL_SANITIZE=ON -DTORVEL_BENCHMARKS=OFF)
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
fi
scripts/build.sh "$carpeta" -DBUILD_TESTING=ON "${opciones[@]}"

# No test may see the user's display or settings.
privado=$(mktemp -d)
trap 'rm -rf "$privado"' EXIT
mkdir -m 700 "$privado/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$privado/runtime" XDG_CONFIG_HOME="$privado/config"
# The long property run (label "largo") is started on its own, see the README.
ctest --test-dir "$carpeta" --output-on-failure --no-tests=error -j"$(nproc)" -LE largo
