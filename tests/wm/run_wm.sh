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
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the pipe.
mkfifo "$work/display"
Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r -t 10 display <"$work/display"
export DISPLAY=":$display"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The manager runs once it has claimed the screen with its check window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
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
