#!/usr/bin/env bash
# Another program takes the keyboard while the command picker's list is open,
# or while the hint of "Убрать" is shown: the list and the hint close, as on
# every desktop, instead of staying on top of the other program. Back in the
# jugs window the picker works as before.
#   deactivation_smoke.sh [--no-window-manager] path/to/puzzle-trainer
# Under openbox by default: the pupil clicks into the other program and the
# window manager focuses it. Without a window manager the other program
# takes the focus itself.
set -euo pipefail

with_wm=1
if [ "${1:-}" = "--no-window-manager" ]; then
  with_wm=0
  shift
fi
binary=${1:?usage: deactivation_smoke.sh [--no-window-manager] path/to/puzzle-trainer}
name="deactivation-smoke"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"
# shellcheck source=tests/smoke/trainer_driver.sh
source "$(dirname "$0")/trainer_driver.sh"

start_xvfb
[ "$with_wm" = 1 ] && start_window_manager
start_program "$binary" "$work"
wait_for_window "Банки"
sleep 0.5
find_window "Банки"
jugs=$window

# The other program: a small window at the top left, away from the jugs.
command -v xmessage >/dev/null || fail "xmessage is not installed (x11-utils)"
xmessage -geometry +10+10 "другая программа" >"$work/xmessage.log" 2>&1 &
other_pid=$!
other=""
for _ in $(seq 1 50); do
  other=$(xdotool search --onlyvisible --class Xmessage 2>/dev/null | head -n1 || true)
  [ -n "$other" ] && break
  sleep 0.1
done
[ -n "$other" ] || fail "xmessage did not show its window"
take_focus_away() {
  if [ "$with_wm" = 1 ]; then
    xdotool mousemove 30 30 click 1
  else
    xdotool windowfocus "$other"
  fi
  sleep 0.5
  [ "$(xdotool getwindowfocus 2>/dev/null || true)" != "$jugs" ] || fail "the other program did not get the focus"
}
come_back() {
  if [ "$with_wm" = 1 ]; then
    xdotool windowactivate "$jugs" 2>/dev/null || true
  else
    xdotool windowfocus "$jugs"
  fi
  sleep 0.3
}
open_windows() { other_windows | wc -l; }

# The picker's list open, then a click into the other program.
click_client 609 390
sleep 0.5
[ "$(open_windows)" -ge 1 ] || fail "the picker's list did not open"
take_focus_away
[ "$(open_windows)" -eq 0 ] || fail "the picker's list stayed open after another program took the focus"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"

# The hint of "Убрать", then the other program again.
come_back
xdotool mousemove $((cx + scale * 592)) $((cy + scale * 350))
sleep 1
[ "$(open_windows)" -ge 1 ] || fail "the hint of Убрать did not show"
take_focus_away
[ "$(open_windows)" -eq 0 ] || fail "the hint stayed on the screen after another program took the focus"

# Back in the jugs window the picker opens and chooses as before.
come_back
choose_command 609 390 1
sleep 0.3
[ "$(open_windows)" -eq 0 ] || fail "the list did not close after choosing"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
kill "$other_pid" 2>/dev/null || true
echo "$name: the list and the hint closed when another program took the focus ($([ "$with_wm" = 1 ] && echo openbox || echo no window manager)) on $DISPLAY"
