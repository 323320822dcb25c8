#!/usr/bin/env bash
# The program on a private X server: the jugs window's title bar is drawn
# from the skin (not the plain blue caption), a message box has the skinned
# frame and the skinned OK button too and closes by Enter and by a click on
# OK, and a click on the skinned minimise button leaves the window on the
# screen: with no window manager there is no task bar it could come back
# from (window_manager_smoke.sh minimises it where there is one).
set -euo pipefail

binary=${1:?usage: skinned_frame_smoke.sh path/to/puzzle-trainer}
name="frame-smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
open_jugs_window "$binary" "$work"

# The colour at a point of a picture as "r g b".
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }
# The skin's title bar is a light grey-green; the plain caption is blue.
skinned_title() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2" "$3")"
  [ "$g" -gt 150 ] && [ $((b - r)) -lt 40 ]
}
# A row of the title bar from x to the right edge less 40: no pixel of the
# plain blue caption, and light skin pixels beside the caption's text.
skinned_title_row() {
  local file=$1 x=$2 y=$3 width
  width=$(identify -format "%w" "$file")
  convert "$file" -crop "$((width - 40 - x))x1+$x+$y" -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | awk '
    { if ($3 - $1 > 60) blue++; if ($2 > 150 && $3 - $1 < 40) light++ }
    END { exit !(blue == 0 && light > 10) }'
}

shot=""
for _ in $(seq 1 30); do
  sleep 0.1
  import -window "$window" "$work/window.png" 2>/dev/null || continue
  if skinned_title "$work/window.png" 200 10; then shot=ok; break; fi
done
[ -n "$shot" ] || fail "the title bar is not the skin's: $(pixel "$work/window.png" 200 10) at 200,10"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "$name: title bar pixel $(pixel "$work/window.png" 200 10) on a ${WIDTH}x${HEIGHT} window"

# The skinned OK button: a column through its left part, between the box's
# bottom edge and its text, has the section's white top row and none of the
# plain button face (212,208,200). The button is centred, 25 high, 16 above
# the client's bottom edge, which lies 3 above the window's.
skinned_ok_column() {
  local file=$1 width height
  width=$(identify -format "%w" "$file")
  height=$(identify -format "%h" "$file")
  convert "$file" -crop "1x40+$((width / 2 - 28))+$((height - 3 - 16 - 25 - 6))" -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | awk '
    { if ($1 == 212 && $2 == 208 && $3 == 200) plain++; if ($1 >= 250 && $2 >= 250 && $3 >= 250) white++ }
    END { exit !(plain == 0 && white > 0) }'
}

# "ВЫПОЛНИТЬ" with an empty list shows "Дык нечего выполнять :)"; the box
# closes by Enter the first time and by a click on its OK button the second.
for closing in enter click; do
  xdotool mousemove $((X + 450)) $((Y + 441)) click 1
  box=""
  for _ in $(seq 1 50); do
    box=$(xdotool search --name "$box_title" 2>/dev/null | head -n1 || true)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message box appeared"
  boxed=""
  for _ in $(seq 1 30); do
    sleep 0.1
    import -window "$box" "$work/box.png" 2>/dev/null || continue
    if skinned_title_row "$work/box.png" 24 8 && skinned_ok_column "$work/box.png"; then boxed=ok; break; fi
  done
  [ -n "$boxed" ] || fail "the message box's title bar or OK button is not the skin's"
  if [ "$closing" = enter ]; then
    xdotool key Return
  else
    eval "$(xdotool getwindowgeometry --shell "$box" | sed 's/^/BOX_/')"
    xdotool mousemove $((BOX_X + BOX_WIDTH / 2)) $((BOX_Y + BOX_HEIGHT - 3 - 16 - 12)) click 1
  fi
  gone=""
  for _ in $(seq 1 50); do
    if ! xdotool search --name "$box_title" >/dev/null 2>&1; then gone=ok; break; fi
    sleep 0.1
  done
  [ -n "$gone" ] || fail "the message box did not close by $closing"
  echo "$name: skinned message box closed by $closing"
done

# The minimise button: right of it lie the close button (32), the skin's
# spacing (2) twice and the border (3); aim 10 pixels into it. Without a
# window manager it used to hide the window for good, leaving the program
# running with nothing on the screen.
sleep 0.3
xdotool mousemove $((X + WIDTH - 3 - 2 - 32 - 2 - 10)) $((Y + 11)) click 1
sleep 1
xwininfo -id "$window" | grep -q "IsViewable" || fail "the minimise button took the window off a screen with no task bar"
kill -0 "$app_pid" 2>/dev/null || fail "the program died"
echo "$name: skinned title bar and message box, the window kept by the minimise button with no task bar on $DISPLAY"
