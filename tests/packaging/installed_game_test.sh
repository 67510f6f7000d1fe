#!/usr/bin/env bash
# Runs an installed game through its bin/ link in Xvfb, from a foreign working directory, with real X input.
# TESSARO is the link (e.g. /usr/bin/tessaro); the game must find its data in the link's target directory.
# DESKTOP_ENTRY is the installed desktop entry, whose StartupWMClass must name the game's windows.
here=$(dirname "$(readlink -f "$0")")
source "$here/../app/x11.sh"
x11_start

: "${DESKTOP_ENTRY:?path of the installed desktop entry}"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
program_dir=$(dirname "$(readlink -f "$TESSARO")")
elsewhere=$(mktemp -d)
trace=$(mktemp)
cd "$elsewhere"

game_start strace -f -qq -e trace=openat -o "$trace"
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
rm -rf "$elsewhere" "$trace"

echo "installed game: all passed"
