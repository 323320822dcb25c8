# Sourced by the smoke scripts that go through the whole program on the real
# desktop: clicks at the controls of the four windows (their places come from
# the window layouts in resources/layouts), the command picker opened and an
# entry clicked, message boxes answered with Enter. Needs xvfb_session.sh
# sourced first (fail, app_pid) and a running program. Positions are the
# layouts' (logical) pixels; with `scale` set (the program's TRAINER_SCALE)
# they are clicked at that many screen pixels each.
#   find_window TITLE                 sets `window` and the client origin cx, cy
#   click_client X Y                  clicks at a point of the window's client area
#   choose_command BUTTON_X BUTTON_Y ENTRY
#                                     opens the picker by its button, clicks an entry
#   answer_message_box                waits for the next message box, presses Enter
#   solve_jugs, solve_river, solve_tube
#                                     each solves its task and waits for the next window
box_title="Тренажёр алгоритмов"
scale=${scale:-1}

# The client sizes of the windows (their layouts), to find the frame's width.
declare -A client_width=([Банки]=636 ["Волк, коза и капуста"]=701 ["Труба и шарики"]=587 ["Личные данные"]=281)
declare -A client_height=([Банки]=453 ["Волк, коза и капуста"]=497 ["Труба и шарики"]=510 ["Личные данные"]=118)

find_window() {
  local title=$1
  window=""
  for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for $title"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window named $title appeared"
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The frame is as wide on the left as on the right and below; the caption
  # takes the rest of the height.
  local side=$(((WIDTH - scale * ${client_width[$title]}) / 2))
  cx=$((X + side))
  cy=$((Y + HEIGHT - scale * ${client_height[$title]} - side))
}

click_client() {
  xdotool mousemove $((cx + scale * $1)) $((cy + scale * $2)) click 1
  sleep 0.15
}

# The program's windows that are on screen, other than `window`.
other_windows() {
  local w
  for w in $(xdotool search --onlyvisible --class puzzle-trainer 2>/dev/null || true); do
    if [ "$w" != "$window" ]; then echo "$w"; fi
  done
  return 0
}

choose_command() {
  local button_x=$1 button_y=$2 entry=$3 list="" X Y WIDTH HEIGHT SCREEN WINDOW
  click_client "$button_x" "$button_y"
  for _ in $(seq 1 30); do
    list=$(other_windows | head -n1)
    [ -n "$list" ] && break
    sleep 0.1
  done
  [ -n "$list" ] || fail "the picker's list did not open"
  eval "$(xdotool getwindowgeometry --shell "$list")"
  # Entries are 13 pixels high inside a one-pixel frame.
  xdotool mousemove $((X + scale * 20)) $((Y + scale * (1 + 13 * entry + 6))) click 1
  for _ in $(seq 1 30); do
    [ -z "$(other_windows)" ] && break
    sleep 0.1
  done
  sleep 0.1
}

# Waits (up to `seconds`) for a message box, then closes it with Enter.
answer_message_box() {
  local seconds=${1:-30} box=""
  for _ in $(seq 1 $((seconds * 10))); do
    box=$(xdotool search --onlyvisible --name "^$box_title\$" 2>/dev/null | head -n1 || true)
    [ -n "$box" ] && break
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for a message box"
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message box appeared within $seconds seconds"
  sleep 0.3
  xdotool key Return
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "^$box_title\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the message box did not close on Enter"
}

# The jugs: three stages, each replayed at one command per two seconds.
solve_jugs() {
  local stage entry
  find_window "Банки"
  for stage in "1 5" "0 4 0 4" "1 5 2 5 1 5 2 5"; do
    for entry in $stage; do choose_command 609 390 "$entry"; done
    click_client 448 420
    answer_message_box 30
  done
}

# The river: seven crossings.
solve_river() {
  local entry
  find_window "Волк, коза и капуста"
  for entry in 0 3 1 0 2 3 0; do choose_command 680 438 "$entry"; done
  click_client 536 468
  answer_message_box 30
}

# The tube: 56 moves written with the direct buttons, replayed at the
# shortest delay the window allows (300 ms a step).
solve_tube() {
  local round i
  find_window "Труба и шарики"
  click_client 284 323
  xdotool key ctrl+a
  xdotool type --delay 50 "300"
  xdotool key Tab
  press() { for i in $(seq 1 "$3"); do click_client "$1" "$2"; done; }
  press 415 404 1
  for round in 5 6 7; do
    press 455 368 1
    press 495 404 "$round"
    press 455 440 1
    press 415 404 "$round"
  done
  press 455 368 1
  press 495 404 12
  click_client 410 484
  answer_message_box 40
}
