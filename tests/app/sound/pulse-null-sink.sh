#!/usr/bin/env bash
# Starts or stops the sound tests' private PulseAudio daemon, with its null sink "nullsink".
# Usage: pulse-null-sink.sh start|stop WORK_DIR; clients reach it at unix:WORK_DIR/pulse-socket/native.
# A daemon, unlike the X tests' server: it outlives this script for the tests that share it.
set -euo pipefail

work=$2
home=$work/pulse-home
socket_dir=$work/pulse-socket
pid_file=$home/runtime/pulse/pid

stop_daemon() {
    local pid
    pid=$(cat "$pid_file" 2>/dev/null) || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$pid_file"
}

case $1 in
start)
    stop_daemon  # one left from an earlier run would hold the same files
    mkdir -p "$home/runtime/pulse" "$socket_dir"
    chmod 700 "$home/runtime" "$home/runtime/pulse"
    # Its output closed: CTest waits for whatever holds the test's output open.
    HOME=$home XDG_RUNTIME_DIR=$home/runtime PULSE_RUNTIME_PATH=$home/runtime/pulse \
        pulseaudio -D -n --exit-idle-time=-1 --use-pid-file=yes \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$socket_dir/native" \
        --load="module-null-sink sink_name=nullsink rate=44100 channels=2" \
        </dev/null >/dev/null 2>"$work/pulseaudio.log" || { cat "$work/pulseaudio.log" >&2; exit 1; }
    for _ in $(seq 200); do
        pactl -s "unix:$socket_dir/native" set-default-sink nullsink 2>/dev/null && exit 0
        sleep 0.1
    done
    cat "$work/pulseaudio.log" >&2
    echo "PulseAudio did not come up" >&2
    exit 1
    ;;
stop) stop_daemon ;;
*)
    echo "usage: $0 start|stop WORK_DIR" >&2
    exit 2
    ;;
esac
