#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR); arguments go to cmake's configure step
# (scripts/test.sh adds the tests, benchmarks and warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" -j "$(nproc)"
