#!/usr/bin/env bash
# Starts the program on a private X server with no window manager, waits (at
# most about ten seconds) for its window "Банки", takes a picture of it and
# checks that the picture is not blank. Everything started here is stopped.
set -euo pipefail

binary=${1:?usage: real_window_smoke.sh path/to/puzzle-trainer}
name="smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
open_jugs_window "$binary"

# Give the first picture a moment to reach the server, then look at it.
deviation=0
for _ in $(seq 1 20); do
  sleep 0.1
  import -window "$window" "$work/window.png" 2>/dev/null || continue
  deviation=$(convert "$work/window.png" -format "%[fx:standard_deviation]" info:)
  awk -v d="$deviation" 'BEGIN { exit !(d > 0.01) }' && break
done
awk -v d="$deviation" 'BEGIN { exit !(d > 0.01) }' || fail "the window picture is blank (standard deviation $deviation)"
kill -0 "$app_pid" 2>/dev/null || fail "the program died while showing its window"
size=$(identify -format "%wx%h" "$work/window.png")
echo "smoke: window $window on $DISPLAY, $size, standard deviation $deviation"
