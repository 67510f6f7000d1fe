#!/usr/bin/env bash
# The game against an audio server that accepts the connection and never answers (a hung PulseAudio):
# the splash and the board answer at once, and Exit ends the program promptly with status 0.
here=$(dirname "$0")
source "$here/x11.sh"
: "${STALLED_AUDIO_SERVER:?path of the stalled_audio_server helper}"
x11_start
socket_dir=$(mktemp -d)
"$STALLED_AUDIO_SERVER" "$socket_dir/native" &
SERVER_PID=$!
trap 'kill "$SERVER_PID" 2>/dev/null || true; x11_stop; rm -rf "$socket_dir"' EXIT
until_true 10 test -S "$socket_dir/native" || fail "the stalled audio server did not start"

now() { date +%s.%N; }
seconds_since() { awk -v from="$1" -v to="$(now)" 'BEGIN { printf "%.2f", to - from }'; }
below() { awk -v v="$1" -v limit="$2" 'BEGIN { exit !(v < limit) }'; }

game_start QT_QPA_PLATFORM=xcb PULSE_SERVER="unix:$socket_dir/native"
splash=$(window_named "Tessaro - an Orvane puzzle")
# The opening music is asked for as soon as the splash is drawn; the click comes well after that.
sleep 1
clicked=$(now)
click_at "$splash" 281 344
board=$(window_named "Tessaro")
waited=$(seconds_since "$clicked")
echo "splash click to board: $waited s"
below "$waited" 2 || fail "the board came $waited s after the click on the splash"

# New Game fills the empty board.
menu_height=$(( $(xwininfo -id "$board" | awk '/Height:/ {print $2}') - 440 ))
board_image() { import -window "$board" -crop 440x440+0+"$menu_height" +repage png:- | md5sum; }
empty=$(board_image)
clicked=$(now)
click_at "$board" 18 $((menu_height / 2))
click_at "$board" 40 $((menu_height + 12))
until [ "$(board_image)" != "$empty" ]; do
    below "$(seconds_since "$clicked")" 2 || fail "New Game did not fill the board within 2 s"
    sleep 0.05
done
echo "New Game to a filled board: $(seconds_since "$clicked") s"
shot board

key_to "$board" alt+f
xdotool key e
chosen=$(now)
game_expect_exit 0
waited=$(seconds_since "$chosen")
echo "Exit to the end of the program: $waited s"
below "$waited" 3 || fail "the program took $waited s to end after Exit"
echo "stalled sound server: all passed"
