#!/usr/bin/env bash
# Window details under X with real input: Esc on the splash, a double-click press on "Final Sequence"
# and the results window's own icon property.
here=$(dirname "$0")
source "$here/x11.sh"
: "${FRM_WIN_TEST:?path of the results window test}"
x11_start

# Esc on the splash ends the program normally, leaving nothing running.
game_start
splash=$(window_named "Tessaro - an Orvane puzzle")
key_to "$splash" Escape
game_expect_exit 0

# A click and then a held press (a double-click press for X) show the target for as long as the press
# lasts, with either button; the release restores the board exactly.
game_start
splash=$(window_named "Tessaro - an Orvane puzzle")
click_at "$splash" 281 344
board=$(window_named "Tessaro")
menu_height=$(( $(xwininfo -id "$board" | awk '/Height:/ {print $2}') - 440 ))
key_to "$board" alt+f Return
board_picture() { import -window "$board" -crop 440x370+0+"$menu_height" +repage rgb:- | md5sum; }
# Waits up to 5 s for the board's picture to compare with $before as asked (= or !=).
picture_becomes() {
    for _ in $(seq 25); do
        [ "$(board_picture)" "$1" "$before" ] && return 0
        sleep 0.2
    done
    return 1
}
sleep 0.5
before=$(board_picture)
for button in 1 3; do
    xdotool mousemove --window "$board" 375 $((menu_height + 406)) click "$button" mousedown "$button"
    picture_becomes != || fail "a double-click press with button $button did not show the target"
    shot "target-view-button-$button"
    xdotool mouseup "$button"
    picture_becomes = || fail "the board was not restored after button $button"
done
"$X11_CLOSE" "$board"
game_expect_exit 0

QT_QPA_PLATFORM=xcb "$FRM_WIN_TEST" hasNoWindowIconOfItsOwn || fail "the results window carries an icon"
echo "window details: all passed"
