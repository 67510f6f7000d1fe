#!/usr/bin/env bash
# Starts the real game in Xvfb: the splash, the hand-over to the board, and the start-up failures.
here=$(dirname "$0")
source "$here/x11.sh"
x11_start

# The splash appears; a click beside its picture area does nothing, a click on it shows the board.
game_start
splash=$(window_named "Tessaro - an Orvane puzzle")
sleep 0.5
shot splash
click_at "$splash" 60 60
sleep 0.3
xdotool search --onlyvisible --name "^Tessaro\$" >/dev/null 2>&1 && fail "a click beside the picture area left the splash"
click_at "$splash" 281 344
board=$(window_named "Tessaro")
window_gone "Tessaro - an Orvane puzzle"
sleep 0.3
shot board
key_to "$board" alt+f
sleep 0.3
shot file-menu
xdotool key Escape
"$X11_CLOSE" "$board"
game_expect_exit 0

# Closing the splash through its frame ends the program instead of leaving the board hidden.
game_start
splash=$(window_named "Tessaro - an Orvane puzzle")
"$X11_CLOSE" "$splash"
game_expect_exit 0

# A large-fonts display (120 dots per inch) shows only the message, then the program ends.
game_start QT_FONT_DPI=120
message=$(window_named "Tessaro")
sleep 0.3
shot large-fonts
xdotool search --onlyvisible --name "^Tessaro - an Orvane puzzle\$" >/dev/null 2>&1 && fail "splash shown on a large-fonts display"
key_to "$message" Return
game_expect_exit 0

# 144 dots per inch starts normally.
game_start QT_FONT_DPI=144
splash=$(window_named "Tessaro - an Orvane puzzle")
shot splash-144dpi
"$X11_CLOSE" "$splash"
game_expect_exit 0

# Without its icon the game stops before any window with an error naming the file.
broken=$(mktemp -d)
cp -r "$(dirname "$TESSARO")"/. "$broken"
rm "$broken/SOUND/tessaro.ico"
TESSARO="$broken/tessaro" game_start
message=$(window_named "Tessaro")
shot missing-icon
key_to "$message" Return
game_expect_exit 1
grep -q "SOUND/tessaro.ico" "$GAME_LOG" || fail "the error does not name the icon file"
rm -rf "$broken"

echo "start-up: all passed"
