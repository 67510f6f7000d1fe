# The private session the tests of the real game run in, made from nothing: its own HOME and runtime
# folder, D-Bus session bus, process group and time limit, and on request a display (Xvfb, with a window
# manager if asked, or a headless weston), the accessibility bus, and a PulseAudio server with a null sink.
# Everything it starts is ended when the script ends, and all of it when the time limit strikes.
#
#   source tests/app/session.sh
#   session_enter "$@"     first: runs the sourcing script again inside a new session, for at most
#                          SESSION_TIME_LIMIT seconds (default 240); the caller's variables pass on, but for
#                          the display, desktop and Qt settings; HOME and XDG_RUNTIME_DIR are empty folders
#   session_x11 [WM...]    Xvfb at 1280 x 1024; DISPLAY set, QT_QPA_PLATFORM=xcb; the window manager command given
#   session_wayland        headless weston; WAYLAND_DISPLAY set, QT_QPA_PLATFORM=wayland
#   session_a11y           the accessibility bus up, and Qt's bridge to it always on
#   session_sound          PulseAudio with the null sink "nullsink" at $PULSE_SOCKET, set as PULSE_SERVER
#                          (without it PULSE_SERVER names a socket that is not there: no sound, and no wait)
#   fail MESSAGE           ends the script with FAIL: MESSAGE (and $GAME_LOG's end, if set; `shot failure`, if defined)
#   until_true SECONDS COMMAND...   runs COMMAND every 0.1 s until it succeeds, for at most SECONDS
#   record_start FILE / check_sound WHAT audible|silent|any   what reaches the null sink
#   SESSION_DIR            a folder of the session's own, removed at the end

set -euo pipefail
PULSE_DIR=""  # session_sound's, removed by session_stop; never one inherited

session_enter() {
    [ -z "${SESSION_BUS:-}" ] || [ "$SESSION_BUS" != "${DBUS_SESSION_BUS_ADDRESS:-}" ] || return 0
    local dir group status=0
    dir=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-session.XXXXXX")
    mkdir -m 700 "$dir/home" "$dir/runtime"
    # timeout makes a process group of itself and all below it (the bus, its services, the display) and
    # ends the whole group on expiry; any other way out ends the group here.
    SESSION_DIR=$dir HOME=$dir/home XDG_RUNTIME_DIR=$dir/runtime LANG=C.UTF-8 \
        PULSE_SERVER=unix:$dir/no-sound-server SESSION_LIMIT="${SESSION_TIME_LIMIT:-240}" \
        timeout -k 10 "${SESSION_TIME_LIMIT:-240}" env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE \
        -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE \
        -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u QT_ACCESSIBILITY -u AT_SPI_BUS_ADDRESS \
        dbus-run-session -- bash -c 'export SESSION_BUS=$DBUS_SESSION_BUS_ADDRESS; exec "$0" "$@"' \
        "$(readlink -f "$0")" "$@" </dev/null &
    group=$!
    trap 'kill -TERM -- "-$group" 2>/dev/null || true; rm -rf "$dir"' EXIT
    trap 'exit 1' INT TERM
    wait "$group" || status=$?
    exit "$status"
}

# Ends everything the script started in the background: the game, the display, recorders, sound servers.
session_stop() {
    kill $(jobs -p) 2>/dev/null || true
    wait 2>/dev/null || true
    [ -z "${PULSE_DIR:-}" ] || rm -rf "$PULSE_DIR"
}
if [ -n "${SESSION_BUS:-}" ]; then
    trap session_stop EXIT
    trap 'trap "" TERM; fail "over the time limit of $SESSION_LIMIT s"' TERM  # timeout signals twice
fi

# The game's error output comes with the failure, since it names a crash; and a screenshot where a script takes them.
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "${GAME_LOG:-}" ] || tail -n 20 "$GAME_LOG" >&2
    ! declare -F shot >/dev/null || shot failure
    exit 1
}

until_true() {
    local end=$((SECONDS + $1))
    until "${@:2}"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

not() { ! "$@"; }

session_x11() {
    # Xvfb picks a free display itself and writes its number once it accepts clients; it must not reset
    # when the last client leaves, or the next game could find no display.
    local number=$SESSION_DIR/display-number
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
    until_true 30 test -s "$number" || fail "could not start Xvfb"
    export DISPLAY=":$(tr -d '[:space:]' <"$number")" QT_QPA_PLATFORM=xcb
    if [ $# -gt 0 ]; then
        "$@" >"$SESSION_DIR/window-manager.log" 2>&1 &
        until_true 30 window_manager_running || fail "the window manager $1 did not start"
    fi
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

session_wayland() {
    weston --backend=headless-backend.so --socket=tessaro --idle-time=0 --log="$SESSION_DIR/weston.log" &>/dev/null &
    until_true 30 test -S "$XDG_RUNTIME_DIR/tessaro" || { cat "$SESSION_DIR/weston.log" >&2; fail "could not start weston"; }
    export WAYLAND_DISPLAY=tessaro QT_QPA_PLATFORM=wayland
}

# The bus is started and marked enabled, as a desktop does for a screen reader, so that toolkits other
# than Qt (whose bridge is forced on here) join it too.
session_a11y() {
    local bus=(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus)
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    until_true 30 "${bus[@]}" org.a11y.Bus.GetAddress >/dev/null 2>&1 || fail "no accessibility bus"
    "${bus[@]}" org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
}

# The server is a job of the script, not a daemon, so that it ends with it; reachable by every user, so
# that cases run as another user are heard too.
session_sound() {
    PULSE_DIR=$(mktemp -d)
    PULSE_SOCKET=unix:$PULSE_DIR/socket/native
    mkdir -p "$PULSE_DIR/runtime/pulse" "$PULSE_DIR/socket"
    chmod 700 "$PULSE_DIR/runtime" "$PULSE_DIR/runtime/pulse"
    chmod 755 "$PULSE_DIR" "$PULSE_DIR/socket"
    HOME=$PULSE_DIR XDG_RUNTIME_DIR=$PULSE_DIR/runtime PULSE_RUNTIME_PATH=$PULSE_DIR/runtime/pulse \
        pulseaudio -n --exit-idle-time=-1 --use-pid-file=no \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_DIR/socket/native" \
        --load="module-null-sink sink_name=nullsink rate=44100 channels=2" 2>"$PULSE_DIR/log" &
    until_true 20 pactl -s "$PULSE_SOCKET" set-default-sink nullsink 2>/dev/null ||
        { cat "$PULSE_DIR/log" >&2; fail "PulseAudio did not come up"; }
    chmod 777 "$PULSE_DIR/socket/native"
    export PULSE_SERVER=$PULSE_SOCKET PULSE_SOCKET PULSE_DIR
}

# Records the sink's monitor into the file $1 until check_sound.
record_start() {
    RECORDING=$1
    parec -s "$PULSE_SOCKET" -d nullsink.monitor --raw --format=s16le --rate=8000 --channels=1 \
        --latency-msec=50 >"$RECORDING" 2>/dev/null &
    RECORDER=$!
}

heard_anything() { [ "$(LC_ALL=C tr -d '\000' <"$RECORDING" | head -c 1 | wc -c)" -gt 0 ]; }

# $1 (what should sound) is "audible" if some sound reaches the output within 20 s, "silent" if nothing
# does in the next second; "any" takes either.
check_sound() {
    [ "$2" != audible ] || until_true 20 heard_anything || fail "$1: no sound reached the output"
    [ "$2" != silent ] || sleep 1
    kill -INT "$RECORDER" 2>/dev/null || true
    wait "$RECORDER" 2>/dev/null || true
    [ "$2" != silent ] || not heard_anything || fail "$1: a sound was played"
}
