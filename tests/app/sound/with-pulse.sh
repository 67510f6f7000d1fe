#!/usr/bin/env bash
# Runs the command given against a private PulseAudio server with a null sink (the X tests' one),
# reached through PULSE_SERVER; the server ends with the command.
source "$(dirname "$0")/../session.sh"
trap session_stop EXIT
session_sound
XDG_RUNTIME_DIR=$PULSE_DIR/runtime PULSE_SERVER=$PULSE_SOCKET "$@"
