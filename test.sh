#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh

# Line tables are all a sanitizer report or a backtrace needs; full debug
# information makes every compile and link slower. A unity build compiles
# each library's and test program's files in batches, so that Qt's and
# GoogleTest's headers are parsed once per batch, not once per file.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCORVANTH_SANITIZE=ON \
  -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-test

export QT_QPA_PLATFORM=offscreen
# The tests make and delete many thousands of small files and folders in
# their temporary folders; in memory that costs a fraction of what it costs
# on disk. So the temporary folder is on /dev/shm when that is a memory file
# system with room to spare (the suite needs well under 1 GB at once) on
# which programs may run (the tests start stand-ins they copied there).
# Otherwise the default temporary folder is used.
shm_free_kb=$(df --output=avail -k /dev/shm 2>/dev/null | tail -1 || echo 0)
if [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ] && [ "${shm_free_kb:-0}" -gt 4000000 ] \
   && tmp=$(mktemp -d /dev/shm/corvanth-tests.XXXXXX 2>/dev/null); then
  trap 'rm -rf "$tmp"' EXIT
  printf '#!/bin/sh\nexit 0\n' > "$tmp/exec-check" && chmod +x "$tmp/exec-check"
  if "$tmp/exec-check" 2>/dev/null; then
    export TMPDIR="$tmp"
  fi
  rm -f "$tmp/exec-check"
fi
cd build-test
if ctest --output-on-failure -j"$(nproc)" --timeout 300 2>&1 | tee ctest.log; then
  exit 0
fi
# Now and then LeakSanitizer's own tracer crashes at a test program's exit
# under load ("Tracer caught signal"): a fault of the sanitizer runtime, not
# a leak and not a failed test. When every failure is of that kind, the
# failed tests run once more; any other failure stands.
failed=$(wc -l < Testing/Temporary/LastTestsFailed.log)
tracer=$(grep -c "LeakSanitizer has encountered a fatal error" ctest.log || true)
if [ "$failed" -gt 0 ] && [ "$tracer" -ge "$failed" ]; then
  echo "Only LeakSanitizer tracer crashes: running the $failed failed test(s) once more."
  ctest --output-on-failure --rerun-failed --timeout 300
else
  exit 1
fi
