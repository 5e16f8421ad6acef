#!/usr/bin/env bash
# Configures and builds into the given folder; extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta=$1
shift
cmake -S . -B "$carpeta" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$carpeta" -j"$(nproc)"
