#!/usr/bin/env bash
# A seeded random run of the whole game (monkey.py) in a private Xvfb and D-Bus session, with the game's
# environment made there from nothing; arguments go to monkey.py (--seed, --steps, --replay FILE, ...).
# Steps of each violation are saved under $MONKEY_OUT (default: a temporary folder), and named on failure.
export X11_TIME_LIMIT=${X11_TIME_LIMIT:-1500}
# A runtime folder of its own, where the session's accessibility bus puts its socket: runs side by side
# would otherwise find each other's.
if [ -z "${X11_SESSION:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
source "$(dirname "$0")/x11.sh"
trap 'x11_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT
x11_start
out=${MONKEY_OUT:-$(mktemp -d)}
mkdir -p "$out"
/usr/bin/python3 "$(dirname "$0")/monkey.py" --tessaro "$TESSARO" --close "$X11_CLOSE" --out "$out" "$@"
