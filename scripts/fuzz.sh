#!/usr/bin/env bash
# Builds every fuzz target with clang (libFuzzer, ASan + UBSan) and runs each
# in turn for SECONDS (default 60), at the lowest priority, one at a time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Each target starts from its committed seed corpus fuzz/corpus/<target>/;
# what it learns goes to build-fuzz/corpus/<target>/ (not committed), and a
# crash is written to build-fuzz/crashes/ (commit it to the seed corpus as
# crash-<what> together with the fix). Prints the executions per target.
# The hang limit is wall time: at the lowest priority on a busy machine an
# input that takes 0.2 s alone can pass 10 s, so the limit is a minute
# (FUZZ_TIMEOUT=SECONDS sets another).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
scripts/setup-deps.sh --fuzz

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTRAINER_SANITIZE=ON -DTRAINER_BUILD_FUZZ=ON -DTRAINER_BUILD_TESTS=OFF \
  -DTRAINER_BUILD_BENCH=OFF -DTRAINER_BUILD_SDL=OFF >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
nice -n 19 ninja -C build-fuzz -j"${JOBS:-2}" "${targets[@]}"

mkdir -p build-fuzz/crashes
status=0
summary=()
for target in "${targets[@]}"; do
  work="build-fuzz/corpus/$target"
  mkdir -p "$work"
  log="build-fuzz/$target.log"
  echo "== $target for $seconds s"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 nice -n 19 "build-fuzz/fuzz/$target" \
      -max_total_time="$seconds" -rss_limit_mb=2048 -timeout="${FUZZ_TIMEOUT:-60}" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/crashes/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log and build-fuzz/crashes/)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  corpus=$(find "$work" "fuzz/corpus/$target" -type f | wc -l)
  summary+=("$target: ${runs:-?} executions in $seconds s, corpus $corpus files, $result")
done
echo "== fuzzing"
printf '%s\n' "${summary[@]}"
exit $status
