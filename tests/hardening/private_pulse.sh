# A private PulseAudio server with one null sink "nullsink", reachable by every user at $PULSE_SOCKET,
# and recordings of what the game plays into it. Needs fail (tests/app/x11.sh, which sources this file,
# has it and also stops the server on exit; play_to_results needs the rest of x11.sh).

# Runs a command every 0.1 s until it succeeds, for at most $1 seconds.
until_true() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

pulse_start() {
    PULSE_DIR=$(mktemp -d)
    PULSE_SOCKET=unix:$PULSE_DIR/socket/native
    mkdir -p "$PULSE_DIR/runtime/pulse" "$PULSE_DIR/socket"
    chmod 700 "$PULSE_DIR/runtime" "$PULSE_DIR/runtime/pulse"
    # Reachable by every user, so that the cases run as another user are heard too.
    chmod 755 "$PULSE_DIR" "$PULSE_DIR/socket"
    # Not a daemon: a job of this script, so that it ends with it even when the time limit strikes.
    HOME=$PULSE_DIR XDG_RUNTIME_DIR=$PULSE_DIR/runtime PULSE_RUNTIME_PATH=$PULSE_DIR/runtime/pulse \
        pulseaudio -n --exit-idle-time=-1 --use-pid-file=no \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_DIR/socket/native" \
        --load="module-null-sink sink_name=nullsink rate=44100 channels=2" 2>"$PULSE_DIR/log" &
    PULSE_PID=$!
    until_true 20 pactl -s "$PULSE_SOCKET" set-default-sink nullsink 2>/dev/null ||
        { cat "$PULSE_DIR/log" >&2; fail "PulseAudio did not come up"; }
    chmod 777 "$PULSE_DIR/socket/native"
}

pulse_stop() {
    [ -z "${PULSE_PID:-}" ] || { kill "$PULSE_PID" 2>/dev/null; wait "$PULSE_PID" 2>/dev/null; } || true
    [ -z "${PULSE_DIR:-}" ] || rm -rf "$PULSE_DIR"
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

# Plays the squares given from a new game to the results window, whose sound must be $2 (see check_sound);
# keeps a screenshot and the recording under the name $1.
play_to_results() {
    local name=$1 expected=$2 box
    new_game
    click_squares "${@:3:$#-3}"
    record_start "$SHOTS/$name.raw"
    click_squares "${@: -1}"
    box=$(window_named "Game Over")
    xprop -id "$box" _NET_WM_ICON | grep -Eq 'not found|no such atom' || fail "$name: the results window carries an icon"
    sleep 0.3
    shot "$name-results"
    check_sound "$name: result sound" "$expected"
    click_at "$box" 172 189
    window_gone "Game Over"
}
