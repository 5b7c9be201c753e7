#!/usr/bin/env bash
# Builds the platform (release), lays out the demo materials tree beside the
# program when none is there yet, and starts the platform.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTH_TESTS=OFF >/dev/null
cmake --build build

# An existing tree is kept: it holds the last login.
if [ ! -d "build/素材" ]; then
  ./build/corvanth-mkdemo "build"
fi

exec ./build/corvanth "$@"
