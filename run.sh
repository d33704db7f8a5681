#!/usr/bin/env bash
# Builds the program (release) and starts it; the optional argument names a schema file.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/setup.sh
morvik_install_dependencies

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVIK_TESTS=OFF -DMORVIK_BENCH=OFF
cmake --build "$build" -j "$(nproc)"

schema=()
if [ $# -ge 1 ]; then schema=("$(realpath "$1")"); fi
exec "$build/morvik" "${schema[@]}"
