#!/usr/bin/env bash
# Runs the accessibility-bus game (atspi_game.py) on "x11" (a private Xvfb) or natively on "wayland"
# (a private headless weston), in a private D-Bus session with nothing of the caller's environment.
# Every process it starts, D-Bus services included, is ended before it returns.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
    platform=${1:?x11 or wayland}
    : "${TESSARO:?path of the tessaro executable}"
    work=$(mktemp -d)
    group=""
    finish() {
        [ -n "$group" ] && kill -TERM -- "-$group" 2>/dev/null || true
        rm -rf "$work"
    }
    trap finish EXIT
    trap 'exit 1' INT TERM
    mkdir -m 700 "$work/home" "$work/runtime"
    # A new process group holds the session's bus and the services it starts, so all can be ended.
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        PULSE_SERVER="unix:$work/no-sound-server" TESSARO="$TESSARO" \
        setsid dbus-run-session -- "$0" --inside "$platform" &
    group=$!
    status=0
    wait "$group" || status=$?
    exit "$status"
fi

platform=$2
cleanup() {
    [ -n "${SERVER_PID:-}" ] && kill "$SERVER_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

case "$platform" in
x11)
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    SERVER_PID=$!
    timeout 30 sh -c 'until [ -s "$0" ]; do sleep 0.1; done' "$numberFile" || true
    [ -s "$numberFile" ] || { echo "FAIL: could not start Xvfb" >&2; exit 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")" QT_QPA_PLATFORM=xcb
    ;;
wayland)
    socket=tessaro-$$
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
        --log="$XDG_RUNTIME_DIR/weston.log" >/dev/null 2>&1 &
    SERVER_PID=$!
    timeout 30 sh -c 'until [ -S "$0" ] || ! kill -0 "$1"; do sleep 0.1; done' "$XDG_RUNTIME_DIR/$socket" "$SERVER_PID" || true
    [ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$XDG_RUNTIME_DIR/weston.log" >&2; echo "FAIL: could not start weston" >&2; exit 1; }
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
    ;;
*)
    echo "unknown platform $platform" >&2
    exit 2
    ;;
esac

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$here/atspi_game.py" "$TESSARO"
