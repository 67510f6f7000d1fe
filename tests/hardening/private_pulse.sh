# A private PulseAudio daemon with one null sink "nullsink", reachable by every user at $PULSE_SOCKET.
# Source it; needs $WORK (a scratch directory) and a fail function. Used by the bad-input test and bench/run.sh.

pulse_start() {
    local home=$WORK/pulse-home
    PULSE_SOCKET_DIR=$WORK/pulse-socket
    PULSE_SOCKET=unix:$PULSE_SOCKET_DIR/native
    mkdir -p "$home/runtime/pulse" "$PULSE_SOCKET_DIR"
    chmod 700 "$home/runtime" "$home/runtime/pulse"
    # Reachable by every user, so that the cases run as another user are heard too.
    chmod 755 "$PULSE_SOCKET_DIR"
    PULSE_PID_FILE=$home/runtime/pulse/pid
    HOME=$home XDG_RUNTIME_DIR=$home/runtime PULSE_RUNTIME_PATH=$home/runtime/pulse \
        pulseaudio -D -n --exit-idle-time=-1 --use-pid-file=yes \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_SOCKET_DIR/native" \
        --load="module-null-sink sink_name=nullsink rate=44100 channels=2" \
        2>"$WORK/pulseaudio.log" || { cat "$WORK/pulseaudio.log" >&2; fail "PulseAudio did not start"; }
    for _ in $(seq 200); do
        pactl -s "$PULSE_SOCKET" info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl -s "$PULSE_SOCKET" set-default-sink nullsink || fail "PulseAudio did not come up"
    chmod 777 "$PULSE_SOCKET_DIR/native"
}

pulse_stop() {
    [ -n "${PULSE_PID_FILE:-}" ] && [ -f "$PULSE_PID_FILE" ] && kill "$(cat "$PULSE_PID_FILE")" 2>/dev/null || true
}

