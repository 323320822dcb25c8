#!/usr/bin/env bash
# The program's start-up as a pupil sees it, on a private Xvfb: RUNS starts
# (10 by default), each timed by first-window-time from the start to the
# first window mapped and to its first painted title bar; prints every run
# and the medians in milliseconds. Extra environment (TRAINER_SCALE=2 ...)
# passes through to the program.
#   bench/startup/startup_time.sh build/bench/startup/first-window-time build/app/puzzle-trainer [RUNS]
set -euo pipefail
timer=${1:?usage: startup_time.sh path/to/first-window-time path/to/puzzle-trainer [RUNS]}
program=${2:?usage: startup_time.sh path/to/first-window-time path/to/puzzle-trainer [RUNS]}
runs=${3:-10}
screen=${STARTUP_SCREEN:-1280x1024x24}

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# One start first, unmeasured, so every measured one finds the files in the page cache.
(cd "$work" && "$timer" "$program" >/dev/null)
for i in $(seq 1 "$runs"); do
  (cd "$work" && "$timer" "$program") | tee -a "$work/times"
done
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
echo "median of $runs runs: window mapped $(cut -d' ' -f1 "$work/times" | median) ms," \
     "first painted $(cut -d' ' -f2 "$work/times" | median) ms"
