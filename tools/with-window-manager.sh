#!/usr/bin/env bash
# Runs a command in a desktop of its own: a fresh X server (Xvfb) with the openbox window manager, as
# the real-window tests need, since window placement and keyboard focus are the window manager's. The
# keyboard has a Serbian pupil's two layouts, Latin and Cyrillic.
# Usage: with-window-manager.sh COMMAND [ARGUMENTS...]
set -uo pipefail
if [ -z "${TESMORA_WINDOW_MANAGER:-}" ]; then
    exec env TESMORA_WINDOW_MANAGER=openbox xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null' EXIT
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
setxkbmap -layout rs,rs -variant latin,
"$@"
