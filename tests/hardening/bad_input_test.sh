#!/usr/bin/env bash
# Runs the built game against damaged copies of its program directory, one case a line, in Xvfb with real X input.
# Each case checks what the player must see and hear, that nothing crashes or hangs, and that no file changed.
# A whole game on an intact directory is the random run's (tests/app/monkey.py); help files of every shape and the
# link, with and without a browser, are the help window's test (frm_help_test). ONLY_CASES="a b" runs just those cases.
X11_TIME_LIMIT=540
source "$(dirname "$0")/../app/x11.sh"

WAVS="SOUND/8MUSC28.WAV SOUND/APPLAUS.WAV SOUND/CHEERS.WAV"
HELPS="default.txt orvane.txt"
WORK=$(mktemp -d)
chmod 755 "$WORK"
trap 'session_stop; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
session_x11
session_sound

# Every entry's type and mode, every file's size and digest.
snapshot() {
    (cd "$1" && find . -type d -printf '%y %m %p\n' && find . ! -type d -printf '%y %m %s %p\n' &&
        find . -type f -exec sha256sum {} +) | LC_ALL=C sort
}

# The 30-move line from a new game to the results window, whose sound must be $results (see check_sound); a
# screenshot and the recording are kept under the case's name.
step_results() {
    local box
    new_game
    click_squares "${LINE[@]:0:29}"
    record_start "$SHOTS/$name.raw"
    click_squares "${LINE[29]}"
    box=$(window_named "Game Over")
    xprop -id "$box" _NET_WM_ICON | grep -Eq 'not found|no such atom' || fail "$name: the results window carries an icon"
    sleep 0.3
    shot "$name-results"
    check_sound "$name: result sound" "$results"
    click_at "$box" 172 189
    window_gone "Game Over"
}

# Select all and copy in the text box give the help file $1 as it is, its CR LF line breaks as line breaks.
copies_file() {
    click_at "$HELP" 100 100
    key_to "$HELP" ctrl+a ctrl+c
    timeout 20 xclip -o -selection clipboard -t UTF8_STRING >"$CASE/copied" 2>/dev/null &&
        sed 's/\r$//' "$CASE_DIR/$1" | cmp -s - "$CASE/copied"
}

# Topic $1 (rules or about), from file $2, shows as expected: "empty", or the "file" exactly.
check_help_text() {
    case ${!1} in
    empty) until_true 20 text_box_is empty || fail "$1: the text box is not empty" ;;
    file) until_true 30 copies_file "$2" || fail "$1: the text box does not hold $2 as it is" ;;
    esac
    shot "$name-$1"
}

step_help() {
    open_help r
    check_help_text rules default.txt
    click_at "$HELP" 363 254
    check_help_text about orvane.txt
    click_at "$HELP" 363 225
    check_help_text rules default.txt
    close_help
    # Still answering: the help opens again, on the other topic.
    open_help a
    check_help_text about orvane.txt
    close_help
}

# The icon cannot be loaded: only a message, then status 1 and an error naming the file.
step_fatal() {
    local box
    box=$(window_named Tessaro)
    shot "$name-message"
    not windows_named "$SPLASH" >/dev/null || fail "the splash window was shown"
    [ "$(windows_named Tessaro | wc -l)" -eq 1 ] || fail "the board window was shown"
    key_to "$box" Return
    game_expect_exit 1
    grep -q SOUND/tessaro.ico "$GAME_LOG" || fail "the error does not name SOUND/tessaro.ico"
}

# NAME STEPS EXPECTATIONS DAMAGE: see the table below.
run_case() {
    local name=$1 steps=$2 damage=$4 splash=any results=any rules=any about=any new="" env="" as=root runner=()
    [ "$3" = - ] || eval "local ${3//,/ }"
    [ -z "${ONLY_CASES:-}" ] || [[ " $ONLY_CASES " == *" $name "* ]] || return 0
    if [ "$as" = nobody ] && [ "$(id -u)" -eq 0 ]; then
        # Root reads anything: these cases need a user that file permissions apply to.
        runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        "${runner[@]}" true 2>/dev/null || { echo "SKIP $name: cannot run the game as another user"; return 0; }
    fi
    echo "case $name"
    CASE=$WORK/$name
    CASE_DIR=$CASE/program
    mkdir -m 755 "$CASE" "$CASE/home"
    mkdir -m 700 "$CASE/runtime"
    [ "${#runner[@]}" -eq 0 ] || chown nobody "$CASE/home" "$CASE/runtime"
    cp -a "$(dirname "$TESSARO")" "$CASE_DIR"
    (cd "$CASE_DIR" && eval "$damage") >/dev/null
    snapshot "$CASE_DIR" >"$CASE/before"

    [ "$steps" = fatal ] || record_start "$SHOTS/$name-splash.raw"
    GAME_LOG=$CASE/game.log
    "${runner[@]}" env HOME="$CASE/home" XDG_RUNTIME_DIR="$CASE/runtime" \
        PULSE_SERVER="$PULSE_SOCKET" ${env:+"$env"} "$CASE_DIR/tessaro" >/dev/null 2>"$GAME_LOG" &
    GAME_PID=$!
    if [ "$steps" = fatal ]; then
        step_fatal
    else
        window_named "$SPLASH" >/dev/null
        check_sound "opening music" "$splash"
        pass_splash
        for step in ${steps//,/ }; do
            "step_$step"
        done
        "$X11_CLOSE" "$BOARD"
        game_expect_exit 0
    fi

    # Nothing changed but the files in $new, created empty where they were missing.
    for file in ${new//:/ }; do
        [ -f "$CASE_DIR/$file" ] && [ ! -s "$CASE_DIR/$file" ] || fail "$file was not created empty"
        rm "$CASE_DIR/$file"
    done
    snapshot "$CASE_DIR" | diff "$CASE/before" - >&2 || fail "files in the program directory changed"
}

while read -r name steps expectations damage <&3; do
    [[ -z $name || $name == \#* ]] && continue
    run_case "$name" "$steps" "$expectations" "$damage"
done 3<<'CASES'
# name             steps         expectations and settings (as=nobody: run as a user permissions apply to)  damage
music-missing      results       splash=silent,results=audible  rm SOUND/8MUSC28.WAV
wav-missing        results       splash=silent,results=silent,new=SOUND/APPLAUS.WAV:SOUND/CHEERS.WAV  rm $WAVS
wav-empty          results       splash=silent,results=silent  truncate -s 0 $WAVS
wav-unreadable     results       splash=silent,results=silent,as=nobody  chmod 000 $WAVS
icon-missing       fatal         -                             rm SOUND/tessaro.ico
icon-corrupt       fatal         -                             printf '\0\0\1\0\1\0 garbled icon directory' >SOUND/tessaro.ico
help-unreadable    help          rules=empty,about=empty,as=nobody  chmod 000 $HELPS
read-only          help,results  splash=audible,results=audible,rules=file,about=file,as=nobody  chmod -R a-w .
no-audio-server    help,results  rules=file,env=PULSE_SERVER=unix:$WORK/missing/native  :
CASES
echo "bad input: all cases passed"
