#!/usr/bin/env bash
# Plays the whole game in Xvfb with real X input and a PulseAudio null sink: two games, the help, Exit.
here=$(dirname "$0")
source "$here/x11.sh"
x11_start

# Pixel offsets of squares 1..25 in the board area (column and row of the 7 x 7 grid).
columns=(0 2 2 3 4 1 2 3 4 5 6 1 2 3 4 5 0 1 2 3 4 5 2 3 4 4)
rows=(0 0 1 1 1 2 2 2 2 2 2 3 3 3 3 3 4 4 4 4 4 4 5 5 5 6)
line=(19 6 4 13 21 10 4 13 22 25 21 13 22 16 5 1 4 6 19 11 2 13 22 16 5 13 4 10 21 25)

click_square() {
    click_at "$board" $((9 + 60 * columns[$1] + 30)) $((menu_height + 9 + 60 * rows[$1] + 30))
}

new_game() {
    click_at "$board" 18 $((menu_height / 2))
    sleep 0.3
    click_at "$board" 40 $((menu_height + 12))
    sleep 0.2
}

# Records the null sink's monitor for a while, then checks that what it heard is not silent.
record_start() {
    parecord --device=nullsink.monitor --file-format=wav "$1" &
    RECORDER=$!
    sleep 0.3
}
record_stop_and_check() {
    sleep 2.5
    kill -INT "$RECORDER"
    wait "$RECORDER" || true
    local rms
    rms=$(sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
    echo "recorded RMS amplitude: $rms"
    awk -v r="$rms" 'BEGIN { exit !(r > 0.01) }' || fail "no sound reached the audio output"
}

finish_game() {
    local name=$1 recording=$SHOTS/$1.wav
    record_start "$recording"
    for square in "${line[@]}"; do
        click_square "$square"
    done
    results=$(window_named "Game Over")
    sleep 0.3
    shot "$name-results"
    record_stop_and_check "$recording"
    click_at "$results" $((129 + 43)) $((176 + 13))
    window_gone "Game Over"
}

# The opening music plays while the splash is shown.
record_start "$SHOTS/opening.wav"
game_start
splash=$(window_named "Tessaro - an Orvane puzzle")
sleep 1
shot splash
record_stop_and_check "$SHOTS/opening.wav"
click_at "$splash" 281 344
board=$(window_named "Tessaro")
menu_height=$(( $(xwininfo -id "$board" | awk '/Height:/ {print $2}') - 440 ))
[ "$menu_height" -gt 10 ] || fail "no menu bar above the board"

# First game: the 30-move line, ranked Expert with a cheer; afterwards a click changes nothing.
new_game
shot new-game
finish_game expert
sleep 0.5
before=$(import -window "$board" -crop 440x440+0+"$menu_height" +repage png:- | md5sum)
click_square 21
after=$(import -window "$board" -crop 440x440+0+"$menu_height" +repage png:- | md5sum)
[ "$before" = "$after" ] || fail "a click after the game was over changed the board"

# The target view while the button is held.
xdotool mousemove --window "$board" $((330 + 45)) $((menu_height + 391 + 15)) mousedown 3
sleep 0.3
shot target-view
xdotool mouseup 3

# Second game: three out-and-back pairs first, 36 moves, ranked Amateur with applause.
new_game
for _ in 1 2 3; do
    click_square 21
    click_square 25
done
finish_game amateur

# The help window on the rules, switched to About and back, then closed.
key_to "$board" alt+h
xdotool key r
help=$(window_named "Tessaro - Help")
sleep 0.3
shot help-rules
click_at "$help" $((300 + 63)) $((243 + 11))
sleep 0.3
shot help-about
click_at "$help" $((300 + 63)) $((270 + 11))
window_gone "Tessaro - Help"
key_to "$board" alt+h
xdotool key a
help=$(window_named "Tessaro - Help")
sleep 0.3
shot help-about-menu
click_at "$help" $((300 + 63)) $((270 + 11))
window_gone "Tessaro - Help"

# Exit from the menu ends the program normally.
key_to "$board" alt+f
xdotool key e
game_expect_exit 0
echo "end to end: all passed"
