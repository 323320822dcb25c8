#!/usr/bin/env bash
# The program under a window manager, as on a pupil's desktop: the skinned
# caption drags the window, the picker's list opens over the window without
# taking the keyboard from it, the skinned minimise button sends the window
# to the task bar (iconic, not withdrawn: it used to vanish for good) and the
# desktop brings it back, and the skinned close button ends the program.
set -euo pipefail

binary=${1:?usage: window_manager_smoke.sh path/to/puzzle-trainer}
name="wm-smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
start_window_manager
open_jugs_window "$binary" "$work"
sleep 0.5

geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; }
wm_state() { xprop -id "$window" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p'; }
wait_state() {
  for _ in $(seq 1 30); do
    [ "$(wm_state)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: the window is '$(wm_state)', not $1"
}
expect_focus_here() {
  for _ in $(seq 1 20); do
    [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$window" ] && return 0
    sleep 0.1
  done
  fail "$1: the keyboard focus is not on the window"
}

wait_state Normal "at the start"
geometry
start_x=$X start_y=$Y

# Dragging by the caption, away from the title buttons.
xdotool mousemove $((X + 250)) $((Y + 10)) mousedown 1
sleep 0.2
xdotool mousemove $((X + 300)) $((Y + 60))
sleep 0.2
xdotool mousemove $((X + 350)) $((Y + 110))
sleep 0.2
xdotool mouseup 1
sleep 0.5
geometry
[ "$X" -eq $((start_x + 100)) ] && [ "$Y" -eq $((start_y + 100)) ] ||
  fail "the drag by the caption moved the window from $start_x,$start_y to $X,$Y, not by 100,100"

# The picker's list: over the window, the keyboard staying with the window.
xdotool mousemove $((X + 610)) $((Y + 412)) click 1
sleep 0.5
expect_focus_here "with the picker's list open"
# The list is the program's other viewable window now. It must be the top
# child of the root (the root lists its children from the top down; the
# manager has put the window itself into a frame of its own).
list=""
for w in $(xdotool search --onlyvisible --class puzzle-trainer 2>/dev/null || true); do
  [ "$w" != "$window" ] && list=$w
done
[ -n "$list" ] || fail "no list window opened"
top=$(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1; exit }')
[ "$((top))" -eq "$list" ] || fail "the list is not on top (the top window is $top)"
xdotool key Escape
sleep 0.3

# The skinned minimise button: to the task bar, and back from it.
xdotool mousemove $((X + 586)) $((Y + 10)) click 1
wait_state Iconic "after the minimise button"
xdotool windowactivate "$window" 2>/dev/null || true
wait_state Normal "after the desktop brought it back"
expect_focus_here "after coming back"

# The skinned close button ends the program.
xdotool mousemove $((X + 620)) $((Y + 10)) click 1
for _ in $(seq 1 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$app_pid" 2>/dev/null || fail "the close button did not end the program"
app_pid=""
echo "$name: dragged, list over the window, minimised to the task bar and back, closed, under openbox on $DISPLAY"
