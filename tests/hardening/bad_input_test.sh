#!/usr/bin/env bash
# Runs the built game against damaged copies of its program directory, one case a line, in Xvfb with real X input.
# Each case checks what the player must see and hear, that nothing crashes or hangs, and that no file changed.
: "${X11_HELPERS:?path of tests/app/x11.sh}"
: "${X11_CLIPBOARD:?path of the x11_clipboard helper}"
source "$X11_HELPERS"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/private_pulse.sh"
source "$here/bad_input_steps.sh"

PROGRAM=$(dirname "$TESSARO")
for sound in 8MUSC28.WAV APPLAUS.WAV CHEERS.WAV tessaro.ico; do
    [ -s "$PROGRAM/SOUND/$sound" ] || { echo "FAIL: the built program directory lacks SOUND/$sound" >&2; exit 1; }
done

WORK=$(mktemp -d)
chmod 755 "$WORK"
# On a failure the game's own output comes first: it names the crash.
trap 'status=$?; [ "$status" -ne 0 ] && [ -f "${GAME_LOG:-}" ] && tail -n 40 "$GAME_LOG" >&2
      pulse_stop; x11_stop; chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
x11_start
pulse_start

BIG_HELP=$WORK/big-help.txt
seq -f "%049g" 1000000 >"$BIG_HELP"  # 50 MB of text lines
SILENT_PATH=$WORK/no-browser
mkdir -p "$SILENT_PATH"
BROWSER_PATH=$WORK/browser
make_fake_browser "$BROWSER_PATH" "$WORK/browser.log"

#        name                user   steps              damage                  expected outcome
run_case intact              root   help,results       "none"                  splash=audible results=audible rules=file about=file
run_case music-missing       root   results            "music missing"         splash=silent results=audible
run_case wav-missing         root   results            "wavs missing"          splash=silent results=silent new=SOUND/APPLAUS.WAV,SOUND/CHEERS.WAV
run_case wav-empty           root   results            "wavs empty"            splash=silent results=silent
run_case wav-one-byte        root   results            "wavs one_byte"         splash=silent results=silent
run_case wav-short-header    root   results            "wavs short_header"     splash=silent results=silent
run_case wav-sizes-past-end  root   results            "wavs sizes_past_end"
run_case wav-not-pcm         root   results            "wavs not_pcm"          splash=silent results=silent
run_case wav-no-channels     root   results            "wavs no_channels"      splash=silent results=silent
run_case wav-directory       root   results            "wavs directory"        splash=silent results=silent
run_case wav-unreadable      nobody results            "wavs unreadable"       splash=silent results=silent
run_case icon-missing        root   fatal              "icon missing"
run_case icon-corrupt        root   fatal              "icon corrupt"
run_case help-missing        root   help               "help missing"          rules=empty about=empty new=default.txt,orvane.txt
run_case help-unreadable     nobody help               "help unreadable"       rules=empty about=empty
run_case help-binary         root   help               "help binary"           rules=shown about=shown
run_case help-50mb           root   help               "help huge"             rules=shown about=shown
run_case help-crlf           root   help               "help crlf"             rules=file about=file
run_case help-spaces         root   help               "help spaces"           rules=file about=file
run_case read-only           nobody help,results       "read_only"             splash=audible results=audible rules=file about=file
run_case no-audio-server     root   help,results       "none"                  env=PULSE_SERVER=unix:$WORK/missing/native rules=file
run_case no-browser          root   link               "none"                  env=PATH=$SILENT_PATH link=fails
run_case browser             root   link               "none"                  env=PATH=$BROWSER_PATH link=opens

echo "bad input: all $CASES_RUN cases passed"
