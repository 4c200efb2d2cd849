#!/usr/bin/env bash
# A desktop run end to end, as a user has it: a display with a real window
# manager (Xvfb and openbox), the program started by `tools/run <program>`.
# The window must be managed (in the window manager's client list) and
# active; Alt+O opens the result box, Enter closes it, the window manager
# makes the dialog active again, and Escape then ends the program with exit
# code 0. resistor has no result box: Alt+V, a marking typed and Enter must
# leave it active, and Escape end it. Keys go through the X server as from the keyboard. Every wait has
# a deadline.
#
# Usage: desktop_run_test.sh <fiveband|fourband|resistor> <build folder that holds windows/>
set -euo pipefail
program=$1
export BUILD=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tools/lib/common.sh"
case "$program" in
  fiveband) caption="Five band resistors" ;;
  fourband) caption="Four band resistors" ;;
  resistor) caption="Resistor colour code" ;;
  *) echo "usage: $0 <fiveband|fourband|resistor> <build folder>" >&2; exit 2 ;;
esac

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a command until it succeeds or `seconds` pass.
wait_until() {
  local seconds=$1 end
  shift
  end=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

xvfb_pid="" wm_pid="" run_pid=""
run_log=$(mktemp)
cleanup() {
  if [ -n "$run_pid" ] && kill -0 "$run_pid" 2>/dev/null; then
    # Ending the desktop prefix's Wine processes lets tools/run finish.
    WINEPREFIX="$DESKTOP_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
    timeout 30 tail --pid="$run_pid" -f /dev/null || kill "$run_pid" 2>/dev/null || true
  fi
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "$run_log"
}
trap cleanup EXIT

# A display of our own with openbox on it.
start_virtual_display || fail "Xvfb did not start"
xvfb_pid=$XVFB_PID
openbox >/dev/null 2>&1 </dev/null &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 20 wm_running || fail "openbox did not start"

"$root/tools/run" "$program" >"$run_log" 2>&1 </dev/null &
run_pid=$!

# The first visible window of this name, if any. (xdotool search --sync
# gives up with an X error when a window goes away while it looks.)
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
found() { window=$(window_named "$1") && [ -n "$window" ]; }

# The first run builds what is missing and makes the desktop prefix.
wait_until 300 found "$caption" || fail "no window \"$caption\"; tools/run said: $(cat "$run_log")"
dialog=$window

managed() { xprop -root _NET_CLIENT_LIST | grep -qiw "$(printf '0x%x' "$1")"; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

wait_until 10 managed "$dialog" || fail "the window manager does not manage the window"
wait_until 10 active "$dialog" || fail "the window is not active after opening"

if [ "$program" = resistor ]; then
  xdotool key alt+v
  xdotool type 472
  xdotool key Return
  sleep 0.5
  wait_until 10 active "$dialog" || fail "the dialog is not active after a value was entered"
else
  xdotool key alt+o
  wait_until 30 found "Selected value" || fail "Alt+O showed no result box"
  box=$window
  wait_until 10 active "$box" || fail "the result box is not active"

  xdotool key Return
  wait_until 10 eval '! found "Selected value"' || fail "Enter did not close the result box"
  wait_until 10 active "$dialog" || fail "the dialog is not active again after the result box"
fi

xdotool key Escape
timeout 30 tail --pid="$run_pid" -f /dev/null || fail "Escape did not end $program"
wait "$run_pid" || fail "tools/run failed: $(cat "$run_log")"
run_pid=""
grep -qx "$program ended with exit code 0" "$run_log" ||
  fail "$program did not end with exit code 0: $(tail -3 "$run_log")"
echo "$program: managed, keys reached it, dialog active, Escape ended it with exit code 0"
