#!/usr/bin/env bash
# Starts the program on a private X server with no window manager, waits (at
# most about ten seconds) for its window "Банки", takes a picture of it and
# checks that the picture is not blank. Everything started here is stopped.
set -euo pipefail

binary=${1:?usage: real_window_smoke.sh path/to/puzzle-trainer}
title="Банки"
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "smoke: $*" >&2
  [ -s "$work/app.log" ] && sed 's/^/smoke: program: /' "$work/app.log" >&2
  exit 1
}

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

"$binary" >"$work/app.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "$title" 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before showing its window"
  sleep 0.1
done
[ -n "$window" ] || fail "no window named $title appeared"

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
