#!/usr/bin/env bash
# A whole game by keyboard with Orca listening (orca_game.py), in a private session: Xvfb with a window
# manager, D-Bus, the accessibility bus, and a HOME whose speech-dispatcher speaks to a null sound device
# (without a device that answers, Orca falls silent after its second utterance).
source "$(dirname "$0")/session.sh"
: "${TESSARO:?path of the tessaro executable}"
SESSION_TIME_LIMIT=${SESSION_TIME_LIMIT:-420} session_enter "$@"
session_x11 metacity --sm-disable
# One key press is one press, however late a busy machine lets go of it (Orca drops the older of two caret moves).
xset r off
session_a11y
export GSETTINGS_BACKEND=memory
mkdir -p "$HOME/.config"
cp -r /etc/speech-dispatcher "$HOME/.config/"
sed -i 's/^#* *AudioOutputMethod .*/AudioOutputMethod "alsa"/' "$HOME/.config/speech-dispatcher/speechd.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
trap 'session_stop; [ -z "${ORCA_LOG:-}" ] || cp "$SESSION_DIR/orca.log" "$ORCA_LOG"' EXIT
/usr/bin/python3 "$(dirname "$0")/orca_game.py" "$TESSARO" "$SESSION_DIR"
