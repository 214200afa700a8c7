#!/usr/bin/env bash
# Runs a command in a desktop of its own: a fresh X server (Xvfb) with the openbox window manager, as
# the real-window tests need, since window placement and keyboard focus are the window manager's. The
# keyboard has a Serbian pupil's two layouts, Latin and Cyrillic.
# Usage: with-window-manager.sh COMMAND [ARGUMENTS...]
set -uo pipefail
if [ -z "${TESMORA_WINDOW_MANAGER:-}" ]; then
    exec env TESMORA_WINDOW_MANAGER=openbox xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
# The desktop's accessibility bus is made on first use in the runtime folder of the session, and where
# there is none (root, or no login) in the one folder ~/.cache/at-spi of the user: two desktops side by
# side would then share one bus, and each screen reader hear the other's program. Each desktop on a
# session bus of its own gets a runtime folder of its own, and its accessibility bus is checked to be
# there.
runtime=""
if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    runtime=$(mktemp -d /tmp/tesmora-desktop-XXXXXX)
    export XDG_RUNTIME_DIR=$runtime
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.UpdateActivationEnvironment dict:string:string:XDG_RUNTIME_DIR,"$runtime" >/dev/null
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
    case $address in
    *"$runtime"*) ;;
    *) echo "the accessibility bus is not the desktop's own: $address" >&2; exit 1 ;;
    esac
fi
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null; [ -z "$runtime" ] || rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
setxkbmap -layout rs,rs -variant latin,
"$@"
