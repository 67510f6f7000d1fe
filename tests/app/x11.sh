# Helpers for the tests that run the real game in a private Xvfb with real X input (xdotool).
# Source it first thing: the sourcing script then runs again in a private session of its own (session.sh)
# under a time limit of X11_TIME_LIMIT seconds (default 240); everything started here ends with it.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
: "${TESSARO:?path of the tessaro executable}" "${X11_CLOSE:?path of the x11_close helper}"
SESSION_TIME_LIMIT=${X11_TIME_LIMIT:-240} session_enter "$@"
mkdir -p "${SHOTS:=$(mktemp -d)}"

SPLASH="Tessaro - an Orvane puzzle"
# Square n's column and row in the board's 7 x 7 grid of 60-pixel cells.
CELLS=(- 20 21 31 41 12 22 32 42 52 62 13 23 33 43 53 04 14 24 34 44 54 25 35 45 46)
# The 30-move line, read from its one definition (kThirtyMoveLine in core/solver.h).
LINE=($(sed -n '/kThirtyMoveLine{/,/}/{s/.*{//;s/}.*//;s/,/ /g;p}' "$(dirname "${BASH_SOURCE[0]}")/../../core/solver.h"))
[ "${#LINE[@]}" -eq 30 ] || { echo "FAIL: no 30-move line in core/solver.h" >&2; exit 1; }

shot() { import -window root "$SHOTS/$1.png" 2>/dev/null || true; }

# Starts the game in the background, with the settings given as NAME=VALUE; its error output goes to $GAME_LOG.
game_start() {
    GAME_LOG=$(mktemp -p "$SESSION_DIR")
    env "$@" "$TESSARO" >/dev/null 2>"$GAME_LOG" &
    GAME_PID=$!
}

# Waits up to 30 s for the game to end and fails unless its exit status is $1.
game_expect_exit() {
    until_true 30 not kill -0 "$GAME_PID" 2>/dev/null || fail "the game did not end"
    local status=0
    wait "$GAME_PID" || status=$?
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
}

# The ids of the visible windows titled exactly $1.
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }

# The id of the visible window titled exactly $1, waiting up to 30 s for it.
window_named() {
    until_true 30 windows_named "$1" >/dev/null || fail "no window \"$1\""
    windows_named "$1" | tail -n 1
}

window_gone() { until_true 30 not windows_named "$1" >/dev/null || fail "window \"$1\" is still there"; }

# A real click at (x, y) inside a window, with the pointer moved there first.
click_at() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.05 click 1 sleep 0.05; }

# Real key presses in a window, given the focus first (there is no window manager to give it).
key_to() { xdotool windowfocus "$1" sleep 0.1 key "${@:2}" sleep 0.1; }

# Clicks the splash's picture area and waits for the board alone; sets BOARD and MENU_HEIGHT.
pass_splash() {
    click_at "$(window_named "$SPLASH")" 281 344
    BOARD=$(window_named Tessaro)
    window_gone "$SPLASH"
    MENU_HEIGHT=$(($(xwininfo -id "$BOARD" | awk '/Height:/ {print $2}') - 440))
    [ "$MENU_HEIGHT" -gt 10 ] || fail "no menu bar above the board"
}

# The help window on the topic of the menu key $1 (r: rules, a: about); sets HELP.
open_help() {
    key_to "$BOARD" alt+h
    key_to "$BOARD" "$1"
    HELP=$(window_named "Tessaro - Help")
}

close_help() {
    click_at "$HELP" 363 281
    window_gone "Tessaro - Help"
}

# The inside of the help text box has one colour only when it shows no text.
text_box_is() {
    local colours
    colours=$(import -window "$HELP" -crop 240x270+12+14 +repage -format %k info:- 2>/dev/null || echo 0)
    if [ "$1" = empty ]; then [ "$colours" -eq 1 ]; else [ "$colours" -gt 1 ]; fi
}

new_game() {
    click_at "$BOARD" 18 $((MENU_HEIGHT / 2))
    sleep 0.3
    click_at "$BOARD" 40 $((MENU_HEIGHT + 12))
}

# Real clicks on the squares given, in one xdotool run so that a long line stays quick.
click_squares() {
    local commands=() square
    for square in "$@"; do
        commands+=(mousemove --window "$BOARD" $((39 + 60 * ${CELLS[square]:0:1}))
            $((MENU_HEIGHT + 39 + 60 * ${CELLS[square]:1:1})) click 1)
    done
    xdotool "${commands[@]}"
}
