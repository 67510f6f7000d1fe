#!/usr/bin/env bash
# Runs an installed game through its link in Xvfb, from a foreign working directory, with real X input.
# TESSARO is the link (e.g. /usr/games/tessaro); the game must find its data in the link's target directory.
# DESKTOP_ENTRY is the installed desktop entry, whose StartupWMClass must name the game's windows.
X11_TIME_LIMIT=120
source "$(dirname "$(readlink -f "$0")")/../app/x11.sh"
: "${DESKTOP_ENTRY:?path of the installed desktop entry}"
session_x11
wm_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
cd /

# Without SOUND/tessaro.ico from the program's directory the game stops at once (tests/hardening), so
# the splash shows that the game finds its files where the link leads, not in its working directory.
game_start
pass_splash
xprop -id "$BOARD" WM_CLASS | grep -q ", \"$wm_class\"\$" ||
    fail "the board's window class is not the desktop entry's StartupWMClass \"$wm_class\""

# The rules come from the help text next to the program.
open_help r
until_true 20 text_box_is shown || fail "the rules show no text"
shot installed-rules
close_help
"$X11_CLOSE" "$BOARD"
game_expect_exit 0

echo "installed game: all passed"
