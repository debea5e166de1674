#!/usr/bin/env bash
# Sets up, builds and runs every test; fails on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DBUILD_TESTING=ON -DVELLOR_WERROR=ON
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
