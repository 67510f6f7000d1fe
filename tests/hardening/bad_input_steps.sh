# The pieces of the bad-input cases: damage to a program directory, driving the game, and the checks.
# Sourced by bad_input_test.sh after tests/app/x11.sh; every wait polls, so a busy machine only makes it slower.

CASES_RUN=0

# --- Audio: the null sink's monitor (private_pulse.sh) tells sound from silence.

# Records the sink's monitor into $CASE/$1.raw until record_stop.
record_start() {
    RECORDING=$CASE/$1.raw
    parec -s "$PULSE_SOCKET" -d nullsink.monitor --raw --format=s16le --rate=8000 --channels=1 \
        --latency-msec=50 >"$RECORDING" 2>/dev/null &
    RECORDER=$!
}

record_stop() {
    kill -INT "$RECORDER" 2>/dev/null || true
    wait "$RECORDER" 2>/dev/null || true
    RECORDER=""
}

heard_anything() {
    [ "$(LC_ALL=C tr -d '\000' <"$RECORDING" | head -c 1 | wc -c)" -gt 0 ]
}

# audible: some sound reaches the output within 20 s; silent: nothing in the second after the window showed.
check_sound() {
    local what=$1 expected=$2
    case $expected in
    audible)
        for _ in $(seq 200); do
            heard_anything && break
            sleep 0.1
        done
        record_stop
        heard_anything || fail "$what: no sound reached the output"
        ;;
    silent)
        sleep 1
        record_stop
        heard_anything && fail "$what: a sound was played"
        ;;
    *)
        record_stop
        ;;
    esac
    return 0
}

# --- Damage, applied to the program directory copy $1.

WAV_NAMES=(8MUSC28.WAV APPLAUS.WAV CHEERS.WAV)

le16() { printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $((($1 >> 8) & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }

# A loud half second: RIFF header, "fmt " chunk (format tag, channels), "data" chunk of 8000 bytes
# whose declared size is $3.
wav_image() {
    local tag=$1 channels=$2 declared=$3
    printf 'RIFF'; le32 $((declared + 36)); printf 'WAVEfmt '; le32 16
    le16 "$tag"; le16 "$channels"; le32 8000; le32 $((16000 * channels)); le16 $((2 * channels)); le16 16
    printf 'data'; le32 "$declared"
    printf '\000\100\000\300%.0s' $(seq 2000)
}

wav_missing() { rm "$1"; }
wav_empty() { : >"$1"; }
wav_one_byte() { printf 'R' >"$1"; }
wav_short_header() { head -c 22 "$1" >"$1.part" && mv "$1.part" "$1"; }
wav_sizes_past_end() { wav_image 1 1 2147483600 >"$1"; }
wav_not_pcm() { wav_image 85 1 8000 >"$1"; }
wav_no_channels() { wav_image 1 0 8000 >"$1"; }
wav_directory() { rm "$1" && mkdir "$1"; }
wav_unreadable() { chmod 000 "$1"; }

damage_none() { :; }
damage_music() { "wav_$2" "$1/SOUND/8MUSC28.WAV"; }
damage_wavs() {
    local name
    for name in "${WAV_NAMES[@]}"; do
        "wav_$2" "$1/SOUND/$name"
    done
}
damage_icon() {
    case $2 in
    missing) rm "$1/SOUND/tessaro.ico" ;;
    corrupt) printf '\000\000\001\000\001\000 garbled icon directory' >"$1/SOUND/tessaro.ico" ;;
    esac
}

help_missing() { rm "$1"; }
help_unreadable() { chmod 000 "$1"; }
help_binary() { printf 'Rules\000\000\001\002\377\376 and \000more\000' >"$1"; }
help_huge() { cp "$BIG_HELP" "$1"; }
help_crlf() { printf 'First line of %s\r\n\r\nThird line\r\nLast line' "$(basename "$1")" >"$1"; }
help_spaces() { printf '    Leading spaces of %s\n\nTrailing spaces follow:    ' "$(basename "$1")" >"$1"; }
damage_help() {
    local name
    for name in default.txt orvane.txt; do
        "help_$2" "$1/$name"
    done
}

damage_read_only() { chmod -R a-w "$1"; }

make_fake_browser() {
    mkdir -p "$1"
    printf '#!/bin/sh\necho "$@" >>%s\n' "$2" >"$1/xdg-open"
    chmod 755 "$1/xdg-open"
}

# --- Files: every entry with its type and mode, every file's size and digest.

snapshot() {
    (
        cd "$1"
        find . -type d -printf 'd %m %p\n'
        find . ! -type d -printf '%y %m %s %p\n'
        find . -type f -exec sha256sum {} +
    ) | LC_ALL=C sort -k 4 -k 2
}

# Nothing changed, except the empty files in $2 (comma-separated) that were created where they were missing.
check_files() {
    local after=$CASE/after filter=() path
    snapshot "$CASE_DIR" >"$after"
    IFS=, read -ra created <<<"$2"
    for path in "${created[@]}"; do
        grep -q " \./$path\$" "$1" && fail "$path was not missing"
        [ -f "$CASE_DIR/$path" ] && [ ! -s "$CASE_DIR/$path" ] || fail "$path was not created empty"
        filter+=(-e " \./$path\$")
    done
    if [ ${#filter[@]} -gt 0 ]; then
        grep -v "${filter[@]}" "$after" >"$after.kept" || true
        mv "$after.kept" "$after"
    fi
    diff "$1" "$after" >&2 || fail "files in the program directory changed"
}

# --- The game.

# Starts the game of the case as root or, for the cases that need permissions to bite, as another user.
launch() {
    local user=$1
    shift
    local runner=()
    mkdir -p "$CASE/home" "$CASE/runtime"
    chmod 700 "$CASE/runtime"
    if [ "$user" = nobody ] && [ "$(id -u)" -eq 0 ]; then
        chown nobody "$CASE/home" "$CASE/runtime"
        runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    GAME_LOG=$CASE/game.log
    "${runner[@]}" env -u BROWSER -u DEFAULT_BROWSER HOME="$CASE/home" XDG_RUNTIME_DIR="$CASE/runtime" \
        PULSE_SERVER="$PULSE_SOCKET" "$@" "$CASE_DIR/tessaro" >"$GAME_LOG" 2>&1 &
    GAME_PID=$!
}

# A user that file permissions apply to: root reads anything.
can_run_as() {
    [ "$1" = root ] || [ "$(id -u)" -ne 0 ] || setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>/dev/null
}

# The id of a visible window named $1 other than $2, waiting up to 30 s for it.
other_window_named() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
            [ "$id" != "$2" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    fail "no second window \"$1\""
}

# Pixel offsets of squares 1..25 on the board (column and row of the 7 x 7 grid).
COLUMNS=(0 2 2 3 4 1 2 3 4 5 6 1 2 3 4 5 0 1 2 3 4 5 2 3 4 4)
ROWS=(0 0 1 1 1 2 2 2 2 2 2 3 3 3 3 3 4 4 4 4 4 4 5 5 5 6)
LINE=(19 6 4 13 21 10 4 13 22 25 21 13 22 16 5 1 4 6 19 11 2 13 22 16 5 13 4 10 21 25)

# Real clicks on squares, in one xdotool run so that a long line stays quick.
click_squares() {
    local commands=() square
    for square in "$@"; do
        commands+=(mousemove --window "$BOARD" $((9 + 60 * COLUMNS[square] + 30))
                   $((MENU_HEIGHT + 9 + 60 * ROWS[square] + 30)) click 1)
    done
    xdotool "${commands[@]}"
}

step_splash() {
    record_start splash
    local splash
    splash=$(window_named "Tessaro - an Orvane puzzle")
    # What a window manager does for a new window; the music starts when the splash becomes active.
    xdotool windowfocus --sync "$splash" 2>/dev/null || true
    check_sound "opening music" "$EXPECT_SPLASH"
    click_at "$splash" 281 344
    BOARD=$(window_named "Tessaro")
    window_gone "Tessaro - an Orvane puzzle"
    MENU_HEIGHT=$(( $(xwininfo -id "$BOARD" | awk '/Height:/ {print $2}') - 440 ))
}

step_results() {
    click_at "$BOARD" 18 $((MENU_HEIGHT / 2))
    sleep 0.3
    click_at "$BOARD" 40 $((MENU_HEIGHT + 12))
    click_squares "${LINE[@]:0:29}"
    record_start results
    click_squares "${LINE[29]}"
    local results
    results=$(window_named "Game Over")
    check_sound "result sound" "$EXPECT_RESULTS"
    shot "$CASE_NAME-results"
    click_at "$results" $((129 + 43)) $((176 + 13))
    window_gone "Game Over"
}

open_help() {
    key_to "$BOARD" alt+h
    key_to "$BOARD" "$1"
    HELP=$(window_named "Tessaro - Help")
}

# The inside of the help text box has one colour only when it shows no text.
text_box_colours() {
    import -window "$HELP" -crop 240x270+12+14 +repage -format %k info:- 2>/dev/null || echo 0
}

# rules/about: "empty" text, text "shown", or the "file" exactly (its CR LF line breaks as line breaks).
check_help_text() {
    local topic=$1 expected=$2 file=$3 copied
    case $expected in
    empty | shown)
        for _ in $(seq 200); do
            copied=$(text_box_colours)
            [ "$expected" = empty ] && [ "$copied" -eq 1 ] && break
            [ "$expected" = shown ] && [ "$copied" -gt 1 ] && break
            sleep 0.1
        done
        shot "$CASE_NAME-$topic"
        [ "$expected" = empty ] && { [ "$copied" -eq 1 ] || fail "$topic: the text box is not empty"; }
        [ "$expected" = shown ] && { [ "$copied" -gt 1 ] || fail "$topic: the text box shows nothing"; }
        ;;
    file)
        sed 's/\r$//' "$CASE_DIR/$file" >"$CASE/$topic.expected"
        click_at "$HELP" 100 100
        key_to "$HELP" ctrl+a ctrl+c
        for _ in $(seq 100); do
            "$X11_CLIPBOARD" >"$CASE/$topic.copied" 2>/dev/null && cmp -s "$CASE/$topic.expected" "$CASE/$topic.copied" && break
            sleep 0.2
        done
        shot "$CASE_NAME-$topic"
        cmp "$CASE/$topic.expected" "$CASE/$topic.copied" || fail "$topic: the text box does not hold $file as it is"
        ;;
    esac
    return 0
}

step_help() {
    open_help r
    check_help_text rules "$EXPECT_RULES" default.txt
    click_at "$HELP" $((300 + 63)) $((243 + 11))
    check_help_text about "$EXPECT_ABOUT" orvane.txt
    click_at "$HELP" $((300 + 63)) $((214 + 11))
    check_help_text rules "$EXPECT_RULES" default.txt
    click_at "$HELP" $((300 + 63)) $((270 + 11))
    window_gone "Tessaro - Help"
    # Still answering: the help opens again, on the other topic.
    open_help a
    check_help_text about "$EXPECT_ABOUT" orvane.txt
    click_at "$HELP" $((300 + 63)) $((270 + 11))
    window_gone "Tessaro - Help"
}

step_link() {
    open_help a
    click_at "$HELP" $((315 + 46)) $((162 + 9))
    case $EXPECT_LINK in
    fails)
        local message
        message=$(other_window_named "Tessaro" "$BOARD")
        shot "$CASE_NAME-message"
        key_to "$message" Return
        for _ in $(seq 300); do
            xdotool search --onlyvisible --name '^Tessaro$' 2>/dev/null | grep -qvx "$BOARD" || break
            sleep 0.1
        done
        ;;
    opens)
        for _ in $(seq 200); do
            grep -q orvane.html "$WORK/browser.log" 2>/dev/null && break
            sleep 0.1
        done
        grep -q orvane.html "$WORK/browser.log" 2>/dev/null || fail "the link did not reach the browser"
        sleep 0.5
        xdotool search --onlyvisible --name '^Tessaro$' | grep -qvx "$BOARD" && fail "a message after a working link"
        ;;
    esac
    window_named "Tessaro - Help" >/dev/null
    click_at "$HELP" $((300 + 63)) $((270 + 11))
    window_gone "Tessaro - Help"
}

# The icon cannot be loaded: only a message naming it, then a failure status.
step_fatal() {
    local message count
    message=$(window_named "Tessaro")
    shot "$CASE_NAME-message"
    xdotool search --onlyvisible --name '^Tessaro - an Orvane puzzle$' >/dev/null 2>&1 && fail "the splash window was shown"
    count=$(xdotool search --onlyvisible --name '^Tessaro$' | wc -l)
    [ "$count" -eq 1 ] || fail "the board window was shown"
    key_to "$message" Return
    game_wait_exit
    [ "$GAME_STATUS" -ne 0 ] || fail "the game ended with status 0"
    grep -q "SOUND/tessaro.ico" "$GAME_LOG" || fail "the error does not name SOUND/tessaro.ico"
}

# One case: NAME USER STEPS DAMAGE [key=value ...]; see bad_input_test.sh. ONLY_CASES="a b" runs just those.
run_case() {
    [ -z "${ONLY_CASES:-}" ] || [[ " $ONLY_CASES " == *" $1 "* ]] || return 0
    CASE_NAME=$1
    local user=$2 steps=$3 damage=$4 option envs=() created="" step words
    shift 4
    EXPECT_SPLASH=any EXPECT_RESULTS=any EXPECT_RULES=any EXPECT_ABOUT=any EXPECT_LINK=any
    for option in "$@"; do
        case $option in
        splash=*) EXPECT_SPLASH=${option#*=} ;;
        results=*) EXPECT_RESULTS=${option#*=} ;;
        rules=*) EXPECT_RULES=${option#*=} ;;
        about=*) EXPECT_ABOUT=${option#*=} ;;
        link=*) EXPECT_LINK=${option#*=} ;;
        new=*) created=${option#*=} ;;
        env=*) envs+=("${option#env=}") ;;
        *) fail "unknown option $option" ;;
        esac
    done
    if ! can_run_as "$user"; then
        echo "SKIP $CASE_NAME: cannot run the game as a user that file permissions apply to"
        return 0
    fi
    echo "case $CASE_NAME"
    CASE=$WORK/$CASE_NAME
    CASE_DIR=$CASE/program
    mkdir -p "$CASE"
    chmod 755 "$CASE"
    cp -a "$PROGRAM" "$CASE_DIR"
    read -ra words <<<"$damage"
    "damage_${words[0]}" "$CASE_DIR" "${words[@]:1}"
    snapshot "$CASE_DIR" >"$CASE/before"

    launch "$user" "${envs[@]}"
    if [ "$steps" = fatal ]; then
        step_fatal
    else
        step_splash
        for step in ${steps//,/ }; do
            "step_$step"
        done
        "$X11_CLOSE" "$BOARD"
        game_expect_exit 0
    fi
    check_files "$CASE/before" "$created"
    chmod -R u+w "$CASE"
    rm -rf "$CASE"
    CASES_RUN=$((CASES_RUN + 1))
}
