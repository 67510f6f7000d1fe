#!/usr/bin/env bash
# Plays the whole game in Xvfb with real X input, heard through a PulseAudio null sink: two games, Exit.
X11_TIME_LIMIT=150
here=$(dirname "$0")
source "$here/x11.sh"
source "$here/../hardening/private_pulse.sh"
x11_start
pulse_start

# The opening music plays while the splash is shown.
record_start "$SHOTS/opening.raw"
game_start PULSE_SERVER="$PULSE_SOCKET"
window_named "$SPLASH" >/dev/null
check_sound "opening music" audible
shot splash
pass_splash
[ "$MENU_HEIGHT" -gt 10 ] || fail "no menu bar above the board"

# First game: the 30-move line, ranked Expert with a cheer; afterwards a click changes nothing.
play_to_results expert audible "${LINE[@]}"
board_picture() { import -window "$BOARD" -crop 440x440+0+"$MENU_HEIGHT" +repage png:- | md5sum; }
sleep 0.5
before=$(board_picture)
click_squares 21
sleep 0.5
[ "$before" = "$(board_picture)" ] || fail "a click after the game was over changed the board"

# Second game: three out-and-back pairs first, 36 moves, ranked Amateur with applause.
play_to_results amateur audible 21 25 21 25 21 25 "${LINE[@]}"

# Exit from the menu ends the program normally.
key_to "$BOARD" alt+f
xdotool key e
game_expect_exit 0
echo "end to end: all passed"
