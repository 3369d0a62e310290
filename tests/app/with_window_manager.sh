#!/bin/sh
# Runs a command on the current X display with a window manager: with_window_manager.sh WM COMMAND...
wm="$1"
shift
"$wm" >/dev/null 2>&1 &
wm_pid=$!
sleep 2
"$@"
status=$?
kill "$wm_pid"
exit "$status"
