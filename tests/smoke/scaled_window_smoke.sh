#!/usr/bin/env bash
# The program at twice the size (TRAINER_SCALE=2) on a 3840 x 2160 private X
# server: the jugs window is twice its 642 x 478 at scale 1, its heading
# «Задание 1:» is drawn at the finer resolution (some 2 x 2 blocks of its
# picture hold different pixels: not enlarged pixels), and the pupil solves
# the jugs task clicking at doubled client coordinates, so that the river
# window opens. Everything started here is stopped.
#   scaled_window_smoke.sh path/to/puzzle-trainer
set -euo pipefail

binary=${1:?usage: scaled_window_smoke.sh path/to/puzzle-trainer}
name="scaled-window-smoke"
screen_size=3840x2160x24
scale=2
export TRAINER_SCALE=$scale
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"
# shellcheck source=tests/smoke/trainer_driver.sh
source "$(dirname "$0")/trainer_driver.sh"

start_xvfb
start_program "$binary" "$work"
wait_for_window "Банки"
sleep 0.5

find_window "Банки"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq $((scale * 642)) ] && [ "$HEIGHT" -eq $((scale * 478)) ] ||
  fail "the jugs window is ${WIDTH}x${HEIGHT}, not $scale x 642x478"

# The heading's label (16, 16, 106 x 32 in the layout) cut from the window's
# picture; the same picture sampled down and up again is what enlarged
# pixels would look like.
import -window "$window" "$work/window.png"
convert "$work/window.png" -crop "$((scale * 106))x$((scale * 32))+$((cx - X + scale * 16))+$((cy - Y + scale * 16))" +repage \
  "$work/heading.png"
convert "$work/heading.png" -sample 50% -sample 200% "$work/doubled.png"
differing=$(compare -metric AE "$work/heading.png" "$work/doubled.png" null: 2>&1 || true)
[ "${differing%% *}" -gt 0 ] 2>/dev/null || fail "the heading is enlarged pixels ($differing pixels differ)"
inked=$(convert "$work/heading.png" -format "%[fx:standard_deviation]" info:)
awk -v d="$inked" 'BEGIN { exit !(d > 0.05) }' || fail "no heading in the cut (standard deviation $inked)"

solve_jugs
find_window "Волк, коза и капуста"
kill -0 "$app_pid" 2>/dev/null || fail "the program died"
echo "$name: jugs window ${WIDTH}x${HEIGHT}, heading with $differing pixels unlike enlarged ones, the jugs solved at 2x"
