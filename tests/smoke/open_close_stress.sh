#!/usr/bin/env bash
# The program on a private X server with no window manager, hammered the way
# a quick pupil would: the command picker's list opened and closed, and the
# message box of an empty algorithm shown and closed with Enter, many times
# in a row without pauses. Closing those windows while the X server still has
# requests about them in flight used to end the program with an X error; it
# must keep running and show no fatal X error. Everything started here is
# stopped.
set -euo pipefail

binary=$(realpath "${1:?usage: open_close_stress.sh path/to/puzzle-trainer [rounds]}")
rounds=${2:-60}
name="stress"
# shellcheck source=tests/smoke/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
# The program writes its result file into its working directory.
open_jugs_window "$binary" "$work"
sleep 0.5

# Places in the jugs window (its outer frame's coordinates): the picker's
# drop-down button and "ВЫПОЛНИТЬ", which with an empty list shows
# "Дык нечего выполнять :)". The box takes the focus, so Enter closes it.
eval "$(xdotool getwindowgeometry --shell "$window")"
arrow_x=$((X + 610)) arrow_y=$((Y + 412))
execute_x=$((X + 450)) execute_y=$((Y + 441))

# While hammering, the server and the program share one processor and the
# server yields to the program: the program's requests then pile up on its
# connections before the server reads any, and the server serves them
# connection by connection. That is when a request about a window, sent on
# one connection, reaches the server after the window's destruction, sent
# later on another; on a busy desktop it happens by chance, here nearly
# every time. (Only now: a starved server would take long to start.)
cpu=$(taskset -cp $$ | awk '{print $NF}' | cut -d, -f1 | cut -d- -f1)
taskset -cp "${cpu:-0}" "$xvfb_pid" >/dev/null
taskset -cp "${cpu:-0}" "$app_pid" >/dev/null
renice -n 19 -p "$xvfb_pid" >/dev/null

# A starved server makes every round slow on a loaded machine: the rounds
# end after two minutes, however many are done by then.
done_rounds=0
for round in $(seq 1 "$rounds"); do
  [ "$SECONDS" -lt 120 ] || break
  xdotool mousemove "$arrow_x" "$arrow_y" click 1 click 1 \
          mousemove "$execute_x" "$execute_y" click 1 key Return 2>/dev/null ||
    fail "xdotool failed in round $round"
  kill -0 "$app_pid" 2>/dev/null || fail "the program died in round $round of $rounds"
  done_rounds=$round
done
[ "$done_rounds" -ge 10 ] || fail "only $done_rounds rounds in two minutes"

# Whatever the server still reports about those windows arrives now.
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the program died after $done_rounds rounds"
! grep -q "X Error of failed request" "$work/app.log" || fail "a fatal X error was reported"
xdotool search --name "$title" >/dev/null 2>&1 || fail "the window $title is gone"
ignored=$(grep -c "X error ignored" "$work/app.log" || true)
echo "stress: $done_rounds rounds of list and message box on $DISPLAY, program still running, $ignored X errors logged"
