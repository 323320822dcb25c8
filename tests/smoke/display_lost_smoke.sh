#!/usr/bin/env bash
# When the X server goes away under the running program (the desktop session
# ends), the program must end too, not hang on the dead connection.
set -euo pipefail

binary=${1:?usage: display_lost_smoke.sh path/to/puzzle-trainer}
name="display-lost smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
open_jugs_window "$binary"

kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
for _ in $(seq 1 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  fail "the program was still running 5 s after its display went away"
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -ne 0 ] || fail "the program ended with success after losing its display"
echo "$name: the program ended with status $status after its display went away"
