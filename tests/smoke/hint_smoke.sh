#!/usr/bin/env bash
# The hint on the real desktop: the program on a private X server without a
# compositor (and without a window manager), whose root shows the classic
# weave so that neither a black nor a white rectangle can pass for it. The
# mouse rests on "Убрать"; then a separate window must be mapped, the hint,
# whose four corner pixels (outside the bubble and its shadow) still show
# what was on the screen before, while the bubble's middle changed. With a
# second argument the picture of the hint is written there.
#
# With --composited a compositing manager runs on the server: the hint must
# then blend with the desktop pixel by pixel, its soft shadow fading out over
# several grey levels instead of being cut off at the bubble's outline.
set -euo pipefail

composited=0
if [ "${1:-}" = "--composited" ]; then composited=1; shift; fi
binary=${1:?usage: hint_smoke.sh [--composited] path/to/puzzle-trainer [hint.png]}
keep=${2:-}
name="hint smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

if [ "$composited" = 1 ]; then
  start_xvfb
  start_compositor
else
  start_xvfb -retro
fi
open_jugs_window "$binary"

eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is 636 x 453 inside the skinned frame; the remove button's
# middle lies at (592, 350) of it.
border=$(( (WIDTH - 636) / 2 ))
caption=$(( HEIGHT - 453 - border ))
button_x=$(( X + border + 592 ))
button_y=$(( Y + caption + 350 ))

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
viewable_others() {
  for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    [ "$((id))" -eq "$window" ] && continue
    if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then echo "$id"; fi
  done
  return 0
}

xdotool mousemove $(( X + 40 )) $(( Y + caption + 40 ))
# Wait until the screen has settled: two pictures in a row alike.
import -window root "$work/before.png"
for _ in $(seq 1 30); do
  sleep 0.3
  import -window root "$work/again.png"
  [ "$(compare -metric AE "$work/before.png" "$work/again.png" null: 2>&1 || true)" = "0" ] && break
  mv "$work/again.png" "$work/before.png"
done
[ -z "$(viewable_others)" ] || fail "a window other than $title is on screen before the hint"

xdotool mousemove "$button_x" "$button_y"
hint=""
for _ in $(seq 1 30); do
  sleep 0.1
  hint=$(viewable_others | head -n1)
  [ -n "$hint" ] && break
done
[ -n "$hint" ] || fail "no hint window appeared over the remove button"
sleep 0.5
import -window root "$work/after.png"

info=$(xwininfo -id "$hint")
hx=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
hy=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
hw=$(awk '/Width:/ { print $2 }' <<<"$info")
hh=$(awk '/Height:/ { print $2 }' <<<"$info")
echo "hint smoke: hint window $hint at ${hx},${hy} size ${hw}x${hh}, mouse at ${button_x},${button_y}"

for corner in "0 0" "$((hw - 1)) 0" "0 $((hh - 1))" "$((hw - 1)) $((hh - 1))"; do
  read -r cx cy <<<"$corner"
  before=$(pixel "$work/before.png" $((hx + cx)) $((hy + cy)))
  after=$(pixel "$work/after.png" $((hx + cx)) $((hy + cy)))
  [ "$before" = "$after" ] || fail "corner ($cx, $cy) of the hint shows $after instead of $before beneath it"
done
# The bubble's middle (the body lies below the tail's room).
mx=$((hx + hw / 2)); my=$((hy + (hh + 24) / 2))
[ "$(pixel "$work/before.png" $mx $my)" != "$(pixel "$work/after.png" $mx $my)" ] || fail "the bubble's middle did not change"
# The area is no flat rectangle: several colours inside it.
colours=$(convert "$work/after.png" -crop "${hw}x${hh}+${hx}+${hy}" +repage -unique-colors -format "%w" info:)
[ "$colours" -gt 8 ] || fail "the hint area has only $colours colours"
echo "hint smoke: corners show what lies beneath, the bubble $colours colours"

if [ "$composited" = 1 ]; then
  # Walk the middle row of the body inwards from the window's right edge:
  # past the unchanged desktop come the shadow's pixels, ever darker.
  row=$((hy + (hh + 24) / 2))
  levels=()
  for ((x = hx + hw - 1; x > hx + hw / 2; x--)); do
    b=$(pixel "$work/before.png" $x $row)
    a=$(pixel "$work/after.png" $x $row)
    [ "$a" = "$b" ] && { [ ${#levels[@]} -eq 0 ] && continue || break; }
    levels+=("$a")
    [ ${#levels[@]} -ge 3 ] && break
  done
  [ ${#levels[@]} -ge 3 ] || fail "the shadow at the hint's right edge is ${#levels[@]} pixels wide (cut, not blended)"
  distinct=$(printf '%s\n' "${levels[@]}" | sort -u | wc -l)
  [ "$distinct" -ge 3 ] || fail "the shadow's outer pixels ${levels[*]} are not a fade"
  echo "hint smoke: blended shadow at the right edge: ${levels[*]}"
fi
if [ -n "$keep" ]; then
  convert "$work/after.png" -crop "$((hw + 120))x$((hh + 90))+$((hx - 60))+$((hy - 60))" +repage "$keep"
fi
