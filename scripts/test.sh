#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the normal build (with the
# real-window smoke tests under Xvfb and the installed tree, whose menu entry
# and AppStream metainfo desktop-file-validate and appstreamcli check), the
# Debian package checked by lintian, then the tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer together with every fuzz
# corpus replayed through every fuzz target and a 20,000-event monkey run.
# Prints the totals last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

jobs=${JOBS:-2}
passed=0
failed=0
status=0

# ctest with its output kept, adding its counts to the totals.
run_ctest() {
  local log
  log=$(mktemp)
  ctest "$@" 2>&1 | tee "$log" || status=1
  local line
  line=$(grep -E '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -n "$line" ]; then
    local bad all
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    all=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + all - bad))
    failed=$((failed + bad))
  else
    status=1
  fi
  rm -f "$log"
}

echo "== build"
# Line tables only (-g1): reports and backtraces keep file and line, and the
# build takes a fifth less time than with full debug information.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
ninja -C build -j"$jobs"
echo "== tests"
run_ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Debian package"
rm -f build/puzzle-trainer_*.deb
(cd build && cpack -G DEB >/dev/null) || status=1
for deb in build/puzzle-trainer_*.deb; do
  [ -f "$deb" ] || { echo "no package built"; status=1; continue; }
  echo "$deb: Depends: $(dpkg-deb -f "$deb" Depends)"
  # lintian: no error, no warning. (The menu entry and the AppStream
  # metainfo are validated by the install_tree test above.)
  if tests/install/package_test.sh "$deb"; then passed=$((passed + 1)); else failed=$((failed + 1)); status=1; fi
done

if [ "${SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== sanitizer build"
  # The code under test optimised a little (-O1, line tables only): the
  # sanitizers' checks stay the same, their reports keep file and line, and
  # the tests run several times faster than unoptimised. The test programs'
  # own code is compiled at -O0 (trainer_test), which halves their build.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAINER_SANITIZE=ON \
    -DCMAKE_C_FLAGS_DEBUG="-g1 -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
    -DTRAINER_BUILD_BENCH=OFF -DTRAINER_BUILD_FUZZ=ON >/dev/null
  ninja -C build-asan -j"$jobs"
  echo "== sanitizer tests, corpus replays and the monkey"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE smoke
fi

echo "tests: $passed passed, $failed failed"
exit $status
