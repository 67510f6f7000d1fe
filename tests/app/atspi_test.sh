#!/usr/bin/env bash
# Runs the accessibility-bus game (atspi_game.py) on "x11" (a private Xvfb) or natively on "wayland"
# (a private headless weston), in a private D-Bus session with nothing of the caller's environment.
# Every process it starts, D-Bus services included, is ended before it returns.
set -euo pipefail
platform=${1:?x11 or wayland}
if [ "${2:-}" != --inside ]; then
    : "${TESSARO:?path of the tessaro executable}"
    work=$(mktemp -d)
    mkdir -m 700 "$work/home" "$work/runtime"
    # A new process group holds the session's bus and the services it starts, so all can be ended.
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        PULSE_SERVER="unix:$work/no-sound-server" TESSARO="$TESSARO" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        setsid dbus-run-session -- "$0" "$platform" --inside &
    group=$!
    trap 'kill -TERM -- "-$group" 2>/dev/null || true; rm -rf "$work"' EXIT
    trap 'exit 1' INT TERM
    wait "$group"
    exit
fi

trap 'kill "${server:-}" 2>/dev/null || true; wait' EXIT
# Waits up to 30 s for the display server $server to be ready, as the command given says.
ready() {
    for _ in $(seq 300); do
        "$@" && return 0
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
    [ ! -f "$XDG_RUNTIME_DIR/weston.log" ] || cat "$XDG_RUNTIME_DIR/weston.log" >&2
    echo "FAIL: could not start the $platform display server" >&2
    exit 1
}
if [ "$platform" = x11 ]; then
    number=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    server=$!
    ready test -s "$number"
    export DISPLAY=":$(tr -d '[:space:]' <"$number")" QT_QPA_PLATFORM=xcb
else
    weston --backend=headless-backend.so --socket=tessaro --idle-time=0 --log="$XDG_RUNTIME_DIR/weston.log" &>/dev/null &
    server=$!
    ready test -S "$XDG_RUNTIME_DIR/tessaro"
    export WAYLAND_DISPLAY=tessaro QT_QPA_PLATFORM=wayland
fi
/usr/bin/python3 "$(dirname "$0")/atspi_game.py" "$TESSARO"
