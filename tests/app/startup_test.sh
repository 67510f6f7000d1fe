#!/usr/bin/env bash
# Starts the real game in Xvfb: the splash, its hand-over to the board, and the display check.
# The start-up failures of a damaged program directory are bad-input cases (tests/hardening).
X11_TIME_LIMIT=150
source "$(dirname "$0")/x11.sh"
x11_start

# A click beside the splash's picture area does nothing; a click on it shows the board.
game_start
splash=$(window_named "$SPLASH")
sleep 0.5
shot splash
click_at "$splash" 60 60
sleep 0.3
not windows_named Tessaro >/dev/null || fail "a click beside the picture area left the splash"
pass_splash
sleep 0.3
shot board
key_to "$BOARD" alt+f
shot file-menu
"$X11_CLOSE" "$BOARD"
game_expect_exit 0

# Closing the splash through its frame ends the program instead of leaving the board hidden;
# 144 dots per inch is no large-fonts display.
for dpi in 96 144; do
    game_start QT_FONT_DPI=$dpi
    splash=$(window_named "$SPLASH")
    shot splash-${dpi}dpi
    "$X11_CLOSE" "$splash"
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
