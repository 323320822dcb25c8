#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the normal build (with the
# real-window smoke test under Xvfb), then the tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

jobs=${JOBS:-2}

echo "== build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j"$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ "${SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== sanitizer build"
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAINER_SANITIZE=ON \
    -DTRAINER_BUILD_BENCH=OFF >/dev/null
  ninja -C build-asan -j"$jobs"
  echo "== sanitizer tests"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE smoke
fi
