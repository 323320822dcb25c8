#!/usr/bin/env bash
# A long monkey run over the whole program under ASan + UBSan:
#   scripts/monkey.sh EVENTS SEED      (for example 1000000 1)
# Builds the sanitizer tree (build-asan) if needed and runs with the lowest
# priority, so that it can go on beside other work.
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:?usage: scripts/monkey.sh EVENTS SEED}
seed=${2:?usage: scripts/monkey.sh EVENTS SEED}
scripts/setup-deps.sh
# The same configuration as the sanitizer stage of scripts/test.sh.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAINER_SANITIZE=ON \
  -DCMAKE_C_FLAGS_DEBUG="-g1 -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DTRAINER_BUILD_BENCH=OFF -DTRAINER_BUILD_FUZZ=ON >/dev/null
nice -n 19 ninja -C build-asan -j"${JOBS:-2}" trainer-monkey
start=$(date +%s)
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 nice -n 19 build-asan/tests/monkey/trainer-monkey "$events" "$seed"
echo "monkey: $events events, seed $seed, $(( $(date +%s) - start )) s"
