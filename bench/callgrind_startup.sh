#!/usr/bin/env bash
# Profiles the game's start-up with callgrind in a private Xvfb, from exec until the event loop starts (the
# splash window has been shown and is mapped by the first pass of the loop), and prints where the
# instructions went. Usage: bench/callgrind_startup.sh BUILD-DIRECTORY [OUT-FILE]
# (a Release build, as bench/run.sh makes in build-bench). MINIMAL=1 profiles the yardstick window instead.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?build directory}
out=${2:-$(mktemp --suffix=.callgrind)}
export TESSARO=$build/bin/tessaro X11_CLOSE=$build/tests/app/x11_close
source "$source_dir/tests/app/x11.sh"
session_x11
export PULSE_SERVER=unix:/nonexistent/native

program=$TESSARO
window="Tessaro - an Orvane puzzle"
if [ -n "${MINIMAL:-}" ]; then
    program=$build/bench/bench_minimal_window
    window="Minimal window"
fi
valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out" --dump-before='QCoreApplication::exec()' "$program" >"$out.log" 2>&1 &
GAME_PID=$!
window_named "$window" >/dev/null
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""

# The dump taken as the event loop starts is part 1, one file per thread; -01 is the main thread, which
# is what holds the window back (a picture decoded on a thread of its own runs beside it).
profile=$out.1-01
inclusive=$(mktemp)
callgrind_annotate --inclusive=yes --threshold=100 "$profile" >"$inclusive" 2>/dev/null
total=$(awk '/PROGRAM TOTALS/ && !done { gsub(",", "", $1); print $1; done = 1 }' "$inclusive")
share() {
    # Inclusive instructions of the first function matching $2, as a share of the total.
    local cost
    cost=$(awk -v pattern="$2" '$0 ~ pattern && !done { gsub(",", "", $1); print $1; done = 1 }' "$inclusive")
    awk -v label="$1" -v c="${cost:-0}" -v t="$total" 'BEGIN { printf "  %-44s %14.0f  %5.1f %%\n", label, c, 100 * c / t }'
}
printf 'Start-up to the event loop, main thread: %s instructions (%s)\n' "$total" "$profile"
share "picture reading, all formats" 'QImageReader::read\(QImage'
share "  GIF decoding" 'libqgif\.so'
share "  ICO decoding" 'libqico\.so'
share "widget polish (ensurePolished)" 'QWidget::ensurePolished\(\)'
share "font database set-up (fontconfig)" 'QFontDatabasePrivate::ensureFontDatabase'
share "board window set-up (frm_board1)" 'tessaro::frm_board1::frm_board1'
share "splash window set-up (frm_splash)" 'tessaro::frm_splash::frm_splash'
share "QApplication construction" 'QApplication::QApplication'
share "dynamic loading (ld.so)" '_dl_start|dl_main'
rm -f "$inclusive"
