#!/usr/bin/env bash
# A seeded random run of the whole game (monkey.py) with sound, in a private session (session.sh) on "x11"
# (Xvfb, real X input) or natively on "wayland" (headless weston, the screen reader's actions), the first
# argument; the others go to monkey.py (--seed, --steps, --replay FILE..., --every-rank, --keep-going, ...).
# Steps of each violation are saved under $MONKEY_OUT (default: a temporary folder), and named on failure.
source "$(dirname "$0")/session.sh"
: "${TESSARO:?path of the tessaro executable}"
SESSION_TIME_LIMIT=${SESSION_TIME_LIMIT:-1500} session_enter "$@"
case $1 in
    x11) session_x11; set -- --close "${X11_CLOSE:?path of the x11_close helper}" "${@:2}" ;;
    wayland) session_wayland; set -- --wayland "${@:2}" ;;
    *) fail "the platform is x11 or wayland, not \"$1\"" ;;
esac
session_a11y
session_sound
mkdir -p "${MONKEY_OUT:=$(mktemp -d)}"
/usr/bin/python3 "$(dirname "$0")/monkey.py" --tessaro "$TESSARO" --out "$MONKEY_OUT" "$@"
