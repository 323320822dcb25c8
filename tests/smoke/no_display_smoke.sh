#!/usr/bin/env bash
# With no display to reach, the program must say so and end with a failure
# instead of running on with windows nobody can see.
set -euo pipefail

binary=${1:?usage: no_display_smoke.sh path/to/puzzle-trainer}
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:65000 timeout 20 "$binary" >"$log" 2>&1 || status=$?
if [ "$status" -eq 124 ]; then
  echo "no-display smoke: the program was still running after 20 s without a display" >&2
  exit 1
fi
if [ "$status" -eq 0 ]; then
  echo "no-display smoke: the program ended with success without a display" >&2
  exit 1
fi
grep -q "cannot open the display :65000" "$log" || { echo "no-display smoke: no word about the display:" >&2; cat "$log" >&2; exit 1; }
echo "no-display smoke: ended with status $status: $(tail -n1 "$log")"
