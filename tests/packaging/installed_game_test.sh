#!/usr/bin/env bash
# Runs an installed game through its link in Xvfb, from a foreign working directory, with real X input.
# TESSARO is the link (e.g. /usr/games/tessaro); the game must find its data in the link's target directory.
# DESKTOP_ENTRY is the installed desktop entry, whose StartupWMClass must name the game's windows.

# The whole run has its own time limit, well inside CTest's: a hang stops everything it started and fails here.
limit=120
[ -n "${INSTALLED_GAME_TEST_LIMITED:-}" ] ||
    INSTALLED_GAME_TEST_LIMITED=1 exec timeout --kill-after=10 "$limit" "$0" "$@"

here=$(dirname "$(readlink -f "$0")")
source "$here/../app/x11.sh"

# The game runs in a session and process group of its own (its private D-Bus daemon included), all
# of which ends with the test, whichever way the test ends.
game_group=""
stop_all() {
    [ -z "$game_group" ] || kill -- "-$game_group" 2>/dev/null || true
    x11_stop
    rm -rf "${elsewhere:-}" "${trace:-}"
}
trap stop_all EXIT
trap 'fail "the test did not end within $limit s"' TERM

x11_start

: "${DESKTOP_ENTRY:?path of the installed desktop entry}"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
program_dir=$(dirname "$(readlink -f "$TESSARO")")
elsewhere=$(mktemp -d)
trace=$(mktemp)
cd "$elsewhere"

# X11 whatever the caller's desktop, and a D-Bus session of the game's own: without one, Qt would
# autolaunch a bus daemon (dbus-x11) that strace follows and that outlives the game.
game_start -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
    setsid dbus-run-session -- strace -f -qq -e trace=openat -o "$trace"
game_group=$GAME_PID
splash=$(window_named "Tessaro - an Orvane puzzle")
sleep 0.5
shot installed-splash
click_at "$splash" 281 344
board=$(window_named "Tessaro")
window_gone "Tessaro - an Orvane puzzle"
xprop -id "$board" WM_CLASS | grep -q ", \"$wm_class\"\$" ||
    fail "the board's window class is not the desktop entry's StartupWMClass \"$wm_class\""

# The rules come from the help text next to the program.
key_to "$board" alt+h
key_to "$board" r
help=$(window_named "Tessaro - Help")
shot installed-rules
"$X11_CLOSE" "$help"
window_gone "Tessaro - Help"

"$X11_CLOSE" "$board"
game_expect_exit 0

for file in SOUND/tessaro.ico SOUND/8MUSC28.WAV default.txt; do
    grep -q "openat([^\"]*\"$program_dir/$file\", O_RDONLY[^)]*) = [0-9]" "$trace" ||
        fail "the game did not read $program_dir/$file"
done

echo "installed game: all passed"
