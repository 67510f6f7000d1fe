#!/usr/bin/env bash
# Runs the accessibility-bus game (atspi_game.py) on "x11" (a private Xvfb) or natively on "wayland"
# (a private headless weston), in a private D-Bus session with nothing of the caller's environment.
# Every process it starts, D-Bus services included, is ended before it returns.
set -euo pipefail
platform=${1:?x11 or wayland}
if [ "${2:-}" != --inside ]; then
    : "${TESSARO:?path of the tessaro executable}" "${X11_CLOSE:?path of the x11_close helper}"
    work=$(mktemp -d)
    mkdir -m 700 "$work/home" "$work/runtime"
    # A new process group holds the session's bus and the services it starts, so all can be ended.
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        PULSE_SERVER="unix:$work/no-sound-server" TESSARO="$TESSARO" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        X11_CLOSE="$X11_CLOSE" SHOTS="$work/shots" setsid dbus-run-session -- "$0" "$platform" --inside &
    group=$!
    trap 'kill -TERM -- "-$group" 2>/dev/null || true; rm -rf "$work"' EXIT
    trap 'exit 1' INT TERM
    wait "$group"
    exit
fi

# The X tests' helpers in the session made above (X11_SESSION tells x11.sh that it needs no session of its own);
# they end the display server on exit.
export X11_SESSION=$DBUS_SESSION_BUS_ADDRESS
source "$(dirname "$0")/x11.sh"
if [ "$platform" = x11 ]; then
    x11_start
else
    weston --backend=headless-backend.so --socket=tessaro --idle-time=0 --log="$XDG_RUNTIME_DIR/weston.log" &>/dev/null &
    until_true 30 test -S "$XDG_RUNTIME_DIR/tessaro" ||
        { cat "$XDG_RUNTIME_DIR/weston.log" >&2; fail "could not start weston"; }
    export WAYLAND_DISPLAY=tessaro QT_QPA_PLATFORM=wayland
fi
/usr/bin/python3 "$(dirname "$0")/atspi_game.py" "$TESSARO"
