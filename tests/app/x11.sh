# Shared helpers for the tests that run the real game in an X server (Xvfb) with real X input (xdotool).
# Source it; it starts a private Xvfb and stops it, and everything it started, on exit.

set -euo pipefail

: "${TESSARO:?path of the tessaro executable}"
: "${X11_CLOSE:?path of the x11_close helper}"
: "${SHOTS:=$(mktemp -d)}"
mkdir -p "$SHOTS"

x11_start() {
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 300); do
        if [ -s "$numberFile" ]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
            rm -f "$numberFile"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numberFile"
    echo "could not start Xvfb" >&2
    return 1
}

x11_stop() {
    [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap x11_stop EXIT

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    exit 1
}

# Starts the game in the background; its output goes to $GAME_LOG.
game_start() {
    GAME_LOG=$(mktemp)
    env "$@" "$TESSARO" >"$GAME_LOG" 2>&1 &
    GAME_PID=$!
}

# Waits up to 30 s for the game to end and leaves its exit status in GAME_STATUS.
game_wait_exit() {
    GAME_STATUS=0
    for _ in $(seq 300); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not end"
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}

# Waits for the game to end and checks its exit status.
game_expect_exit() {
    game_wait_exit
    [ "$GAME_STATUS" -eq "$1" ] || { cat "$GAME_LOG" >&2; fail "exit status $GAME_STATUS, expected $1"; }
}

# The id of the visible window whose title is exactly $1, waiting up to 30 s for it.
window_named() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window \"$1\""
}

window_gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" is still there"
}

# A real click at (x, y) inside a window, with the pointer moved there first.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.05
    xdotool click 1
    sleep 0.05
}

shot() {
    import -window root "$SHOTS/$1.png" 2>/dev/null || true
}

# Real key presses in a window, given the focus first (there is no window manager to give it).
key_to() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.1
    xdotool key "$@"
    sleep 0.1
}
