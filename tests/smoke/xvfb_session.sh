# Sourced by the smoke scripts: a private X server with no window manager and
# the program on it, with everything stopped again when the script exits.
# The caller sets `name` (how its messages begin) before sourcing; afterwards
#   start_xvfb [Xvfb options]       starts the server and exports DISPLAY (a
#                                   screen of `screen_size`, 1280x1024x24
#                                   unless the caller sets another)
#   start_compositor                starts a compositing manager on it
#   start_window_manager            starts a window manager on it
#   start_program BINARY [DIR]      starts the program (in DIR when given)
#   wait_for_window TITLE           sets `window` to the program's window
#   open_jugs_window BINARY [DIR]   both, for the program's first window
#   watch_program_has_window        from now on, notes every second the running
#                                   program spends with no window on screen
#   program_had_a_window_throughout fails when the watch noted any
#   fail MESSAGE                    reports (with the program's output), exits
# and the titles the scripts look for: `title` (the jugs window, the first
# the program shows) and `box_title` (its message boxes).
# The desktop's own scale must not reach the private server's program: a
# script that wants another scale sets TRAINER_SCALE itself.
unset GDK_SCALE
title="Банки"
box_title="Тренажёр алгоритмов"
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
compositor_pid=""
wm_pid=""
watch_pid=""
window=""

cleanup() {
  [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null || true
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$name: $*" >&2
  [ -s "$work/app.log" ] && sed "s/^/$name: program: /" "$work/app.log" >&2
  exit 1
}

# Xvfb picks a free display itself and writes its number to fd 3. Without
# -noreset the server resets whenever its last client leaves (each xdotool
# call while the program is still starting), refusing connections meanwhile.
start_xvfb() {
  Xvfb -displayfd 3 -noreset "$@" -screen 0 "${screen_size:-1280x1024x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 1 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# A compositing manager on the server: translucent windows blend for real.
# It takes the compositing selection as it starts, long before the program
# makes its first translucent window.
start_compositor() {
  command -v xcompmgr >/dev/null || fail "xcompmgr is not installed"
  xcompmgr >"$work/xcompmgr.log" 2>&1 &
  compositor_pid=$!
  sleep 0.3
  kill -0 "$compositor_pid" 2>/dev/null || fail "xcompmgr ended at once: $(cat "$work/xcompmgr.log")"
}

# A window manager that keeps a task bar's worth of state (iconic windows)
# and answers activation requests, as a desktop's does. Ready once it has
# named its check window on the root window.
start_window_manager() {
  command -v openbox >/dev/null || fail "openbox is not installed"
  openbox >"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    kill -0 "$wm_pid" 2>/dev/null || fail "openbox ended at once: $(cat "$work/wm.log")"
    sleep 0.1
  done
  fail "openbox did not come up"
}

start_program() {
  local binary=$1 dir=${2:-.}
  (cd "$dir" && exec "$binary") >"$work/app.log" 2>&1 &
  app_pid=$!
}

# Waits (at most about ten seconds) for a window with the given title.
wait_for_window() {
  local title=$1
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name "$title" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window named $title appeared"
}

open_jugs_window() {
  start_program "$@"
  wait_for_window "$title"
}

# Looks ten times a second whether the program (while it runs) has a window
# on the screen; a whole second without one is written down. The windows
# going as the program ends take less than that.
watch_program_has_window() {
  local pid=$app_pid
  (
    local missing=0
    while kill -0 "$pid" 2>/dev/null; do
      if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
        missing=0
      else
        missing=$((missing + 1))
        if [ "$missing" -ge 10 ]; then
          echo "the program ran with no window on the screen at $(date +%T)" >>"$work/no-window"
          missing=0
        fi
      fi
      sleep 0.1
    done
  ) &
  watch_pid=$!
}

program_had_a_window_throughout() {
  [ -n "$watch_pid" ] && { kill "$watch_pid" 2>/dev/null || true; wait "$watch_pid" 2>/dev/null || true; }
  watch_pid=""
  [ ! -s "$work/no-window" ] || fail "$(head -n1 "$work/no-window")"
}
