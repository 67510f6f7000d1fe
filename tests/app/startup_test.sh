#!/usr/bin/env bash
# Starts the real game in Xvfb with real X input, against an audio server that accepts the connection
# and never answers (a hung PulseAudio): the splash, its hand-over to the board, "Final Sequence",
# the ways out, and the display check. Bad program directories are tests/hardening's cases.
X11_TIME_LIMIT=200
source "$(dirname "$0")/x11.sh"
x11_start
socket=$(mktemp -u)
trap 'x11_stop; rm -f "$socket"' EXIT
"$(dirname "$0")/stalled_audio_server.py" "$socket" &
until_true 10 test -S "$socket" || fail "the stalled audio server did not start"
export PULSE_SERVER="unix:$socket"

# Whether the board's picture, but for its bottom row, compares with $before as asked (= or !=).
picture_is() { [ "$(board_picture)" "$1" "$before" ]; }

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

# New Game from the menu fills the empty board.
before=$(board_picture)
key_to "$BOARD" Return
until_true 10 picture_is != || fail "New Game did not fill the board"

# A click and then a held press (a double-click press for X) on "Final Sequence" show the target for
# as long as the press lasts, with either button; the release restores the board exactly.
sleep 0.5
before=$(board_picture)
for button in 1 3; do
    xdotool mousemove --window "$BOARD" 375 $((MENU_HEIGHT + 406)) click "$button" mousedown "$button"
    until_true 5 picture_is != || fail "a double-click press with button $button did not show the target"
    shot "target-view-button-$button"
    xdotool mouseup "$button"
    until_true 5 picture_is = || fail "the board was not restored after button $button"
done

# Exit from the menu ends the program normally.
key_to "$BOARD" alt+f
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
