#!/usr/bin/env bash
# Starts or stops the sound tests' private PulseAudio daemon, with its null sink "nullsink".
# Usage: pulse-null-sink.sh start|stop WORK_DIR; clients reach it at unix:WORK_DIR/pulse-socket/native.
set -euo pipefail

WORK=$2
fail() {
    echo "$*" >&2
    exit 1
}
source "$(dirname "$0")/../../hardening/private_pulse.sh"

# A daemon left from an earlier run goes first: a second one would not start on the same files.
PULSE_PID_FILE=$WORK/pulse-home/runtime/pulse/pid
old=$(cat "$PULSE_PID_FILE" 2>/dev/null || true)
pulse_stop
for _ in $(seq 100); do
    [ -n "$old" ] && kill -0 "$old" 2>/dev/null || break
    sleep 0.1
done
case $1 in
start) mkdir -p "$WORK" && pulse_start ;;
stop) ;;
*) fail "usage: $0 start|stop WORK_DIR" ;;
esac
