#!/usr/bin/env bash
# The program on a private X server with no window manager: the keyboard
# stays with the jugs window after a message box closes and while the command
# picker's list opens and closes. (SDL focuses every window it maps there;
# the list used to keep the focus and the box to take it away with it, so
# keys went nowhere until the pupil clicked somewhere.)
set -euo pipefail

binary=${1:?usage: keyboard_focus_smoke.sh path/to/puzzle-trainer}
name="focus-smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
open_jugs_window "$binary" "$work"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"

# The window holding the X keyboard focus (empty when none does).
focused() { xdotool getwindowfocus 2>/dev/null || true; }
expect_focus_here() {
  local now=""
  for _ in $(seq 1 20); do
    now=$(focused)
    [ "$now" = "$window" ] && return 0
    sleep 0.1
  done
  fail "$1: the keyboard focus is on '${now:-nothing}', not on the window $window"
}
expect_focus_here "at the start"

# "ВЫПОЛНИТЬ" with an empty list shows "Дык нечего выполнять :)"; Enter closes it.
xdotool mousemove $((X + 450)) $((Y + 441)) click 1
box=""
for _ in $(seq 1 50); do
  box=$(xdotool search --name "$box_title" 2>/dev/null | head -n1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box appeared"
sleep 0.3
xdotool key Return
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name "$box_title" >/dev/null 2>&1 || break
  sleep 0.1
done
expect_focus_here "after the message box closed"

# The picker's drop-down button, then the first entry of the open list.
xdotool mousemove $((X + 610)) $((Y + 412)) click 1
sleep 0.5
expect_focus_here "with the picker's list open"
xdotool mousemove $((X + 450)) $((Y + 430)) click 1
sleep 0.5
expect_focus_here "after a command was chosen from the list"

kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
echo "$name: the keyboard stayed with $title through a message box and the picker's list on $DISPLAY"
