#!/bin/sh
# Starts or stops a private PulseAudio daemon with one null sink "nullsink" for the sound tests.
# Usage: pulse-null-sink.sh start|stop RUNTIME_DIR
# The tests reach it with PULSE_SERVER=unix:RUNTIME_DIR/pulse/native and PULSE_RUNTIME_PATH=RUNTIME_DIR/pulse.
set -eu

action=$1
runtime=$2

export XDG_RUNTIME_DIR="$runtime"
export PULSE_RUNTIME_PATH="$runtime/pulse"
export PULSE_SERVER="unix:$runtime/pulse/native"
# Keep the daemon off the user's own configuration and cookie.
export HOME="$runtime/home"

stop_daemon() {
    pidfile="$PULSE_RUNTIME_PATH/pid"
    [ -f "$pidfile" ] || return 0
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null || true
    # The daemon removes its pid file once it has gone.
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$pidfile"
}

case "$action" in
start)
    stop_daemon
    mkdir -p "$PULSE_RUNTIME_PATH" "$HOME"
    chmod 700 "$runtime" "$PULSE_RUNTIME_PATH"
    # As root the daemon needs no --system here: -n and explicit modules avoid the per-user set-up.
    pulseaudio -D -n --exit-idle-time=-1 --use-pid-file=yes --disallow-exit=no \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$runtime/pulse/native" \
        --load="module-null-sink sink_name=nullsink rate=44100 channels=2" \
        2>"$runtime/pulseaudio.log" || { cat "$runtime/pulseaudio.log" >&2; exit 1; }
    tries=0
    until pactl info >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -ge 100 ]; then
            echo "PulseAudio did not come up" >&2
            cat "$runtime/pulseaudio.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    pactl set-default-sink nullsink
    ;;
stop)
    stop_daemon
    ;;
*)
    echo "usage: $0 start|stop RUNTIME_DIR" >&2
    exit 2
    ;;
esac
