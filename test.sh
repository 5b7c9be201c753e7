#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANTH_SANITIZE=ON >/dev/null
cmake --build build-test

export QT_QPA_PLATFORM=offscreen
cd build-test
ctest --output-on-failure -j"$(nproc)" --timeout 300
