#!/usr/bin/env bash
# A seeded random run of the whole game (monkey.py) in a private Xvfb and D-Bus session, with the game's
# environment made there from nothing; arguments go to monkey.py (--seed, --steps, --replay FILE, ...).
# Steps of each violation are saved under $MONKEY_OUT (default: a temporary folder), and named on failure.
export X11_TIME_LIMIT=${X11_TIME_LIMIT:-1500}
source "$(dirname "$0")/x11.sh"
x11_start
out=${MONKEY_OUT:-$(mktemp -d)}
mkdir -p "$out"
/usr/bin/python3 "$(dirname "$0")/monkey.py" --tessaro "$TESSARO" --close "$X11_CLOSE" --out "$out" "$@"
