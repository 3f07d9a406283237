#!/usr/bin/env bash
# Starts a program LAUNCHES times in a row, each a fresh process, on an X
# server of its own (Xvfb, on a free display) with the openbox window manager,
# so its windows are framed, stacked and placed as on a desktop. Stops at the
# first failing launch. With WM_SHOTS set, the first launch saves screenshots there.
# Usage: run_wm.sh WIDTHxHEIGHT LAUNCHES command [args...]
set -euo pipefail
size=$1 launches=$2
shift 2
work=$(mktemp -d)
xvfb_pid="" wm_pid=""
cleanup_x() {
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wm_pid="" xvfb_pid=""
}
cleanup() {
  cleanup_x
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the pipe; openbox
# runs once it has claimed the screen with its check window. True once it has.
start_x() {
  rm -f "$work/display"
  mkfifo "$work/display"
  Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  read -r -t 10 display <"$work/display" || return 1
  export DISPLAY=":$display"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# Another X server started or stopped at the same moment can leave the new
# one unreachable, and openbox then quits: start again on a fresh display.
x_tries=3
for try in $(seq "$x_tries"); do
  start_x && break
  cleanup_x
  if [ "$try" -eq "$x_tries" ]; then
    cat "$work/xvfb.log" "$work/openbox.log"
    echo "no window manager on the X server"
    exit 1
  fi
done

export QT_QPA_PLATFORM=xcb
for i in $(seq "$launches"); do
  if [ "$i" -eq 1 ] && [ -n "${WM_SHOTS:-}" ]; then
    QUILLOCK_WM_SHOTS=$WM_SHOTS "$@" >"$work/launch.log" 2>&1 || { cat "$work/launch.log"; echo "launch $i failed"; exit 1; }
  else
    "$@" >"$work/launch.log" 2>&1 || { cat "$work/launch.log"; echo "launch $i failed"; exit 1; }
  fi
done
echo "$launches launches passed"
