#!/usr/bin/env bash
# Starts the real game in Xvfb with real X input, against an audio server that accepts the connection
# and never answers (a hung PulseAudio): the splash, its hand-over to the board, the ways out, and
# the display check. New Game and "Final Sequence" are the random run's (monkey.py); bad program
# directories are tests/hardening's cases.
X11_TIME_LIMIT=200
source "$(dirname "$0")/x11.sh"
x11_start
socket=$(mktemp -u)
trap 'x11_stop; rm -f "$socket"' EXIT
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
key_to "$BOARD" alt+f
shot file-menu

# Exit from the menu ends the program normally.
xdotool key e
game_expect_exit 0

# The splash closed through its frame or with Esc ends the program instead of leaving the board
# hidden; 144 dots per inch is no large-fonts display.
for way in "96 close" "144 Escape"; do
    read -r dpi how <<<"$way"
    game_start QT_FONT_DPI="$dpi"
    splash=$(window_named "$SPLASH")
    shot "splash-${dpi}dpi"
    if [ "$how" = close ]; then "$X11_CLOSE" "$splash"; else key_to "$splash" Escape; fi
    game_expect_exit 0
done

# A large-fonts display (120 dots per inch) shows only the message, then the program ends normally.
game_start QT_FONT_DPI=120
message=$(window_named Tessaro)
sleep 0.3
shot large-fonts
not windows_named "$SPLASH" >/dev/null || fail "splash shown on a large-fonts display"
key_to "$message" Return
game_expect_exit 0

echo "start-up: all passed"
