#!/usr/bin/env bash
# Starts the real game in Xvfb with real X input, against an audio server that accepts the connection
# and never answers (a hung PulseAudio): the splash, its hand-over to the board, and the display check.
# The ways out (the menu, the splash's frame, Esc) and the rest of the game are the random run's
# (monkey.py); bad program directories are tests/hardening's cases.
X11_TIME_LIMIT=200
source "$(dirname "$0")/x11.sh"
session_x11
socket=$SESSION_DIR/stalled-audio
"$(dirname "$0")/stalled_audio_server.py" "$socket" &
until_true 10 test -S "$socket" || fail "the stalled audio server did not start"
export PULSE_SERVER="unix:$socket"

# A click beside the splash's picture area does nothing; a click on it shows the board, though the
# opening music was asked for a second before (how soon is measured by bench/run.sh).
game_start
splash=$(window_named "$SPLASH")
sleep 1
shot splash
click_at "$splash" 60 60
sleep 0.3
not windows_named Tessaro >/dev/null || fail "a click beside the picture area left the splash"
pass_splash
"$X11_CLOSE" "$BOARD"
game_expect_exit 0

# A large-fonts display (120 dots per inch) shows only the message, then the program ends normally.
game_start QT_FONT_DPI=120
message=$(window_named Tessaro)
sleep 0.3
shot large-fonts
not windows_named "$SPLASH" >/dev/null || fail "splash shown on a large-fonts display"
key_to "$message" Return
game_expect_exit 0

echo "start-up: all passed"
