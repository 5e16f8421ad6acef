#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   AddressSanitizer and UBSan, in build-sanitize/
#   scripts/test.sh --tsan       ThreadSanitizer on the command line's tests only
#                                (torvel-calc and test_cli), in build-tsan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

carpeta=build
# The benchmarks are opt-in for users; the test run builds them, so that they
# always compile.
opciones=(-DTORVEL_BENCHMARKS=ON)
etiquetas=()
repetir=()
if [ "${1:-}" = "--sanitize" ]; then
    carpeta=build-sanitize
    opciones=(-DTORVEL_SANITIZE=ON -DTORVEL_BENCHMARKS=OFF)
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
    # LeakSanitizer's own tracer now and then crashes at exit while another test
    # runs beside it ("Tracer caught signal 11"), after every test function passed:
    # such a test gets up to two more runs. A real leak or error fails every run.
    repetir=(--repeat until-pass:3)
fi
if [ "${1:-}" = "--tsan" ]; then
    carpeta=build-tsan
    etiquetas=(-L cli)
    export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}"
    cmake -S . -B "$carpeta" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
        -DTORVEL_TSAN=ON -DTORVEL_BENCHMARKS=OFF >/dev/null
    cmake --build "$carpeta" -j"$(nproc)" --target torvel-calc test_cli
else
    scripts/build.sh "$carpeta" -DBUILD_TESTING=ON "${opciones[@]}"
fi

# No test may see the user's display or settings.
privado=$(mktemp -d)
trap 'rm -rf "$privado"' EXIT
mkdir -m 700 "$privado/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$privado/runtime" XDG_CONFIG_HOME="$privado/config"
ctest --test-dir "$carpeta" --output-on-failure --no-tests=error -j"$(nproc)" "${etiquetas[@]}" \
    "${repetir[@]}"
