#!/usr/bin/env bash
# Runs the command given against a private PulseAudio server with a null sink (the X tests' one),
# reached through PULSE_SERVER; the server ends with the command.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../../hardening/private_pulse.sh"
trap pulse_stop EXIT
pulse_start
XDG_RUNTIME_DIR=$PULSE_DIR/runtime PULSE_SERVER=$PULSE_SOCKET "$@"
