#!/usr/bin/env bash
# Builds the game for release and measures it in a private Xvfb: start-up time and memory against a bare Qt
# window shaped like the game's (bench/minimal_window.cpp), the first show of the board, New Game and "Final
# Sequence" press, click processing, idle CPU, files opened by the results window, and start-up without audio.
# Usage: bench/run.sh [BUILD-DIRECTORY]   (default: build-bench next to this folder; RUNS=21, IDLE_SECONDS=10)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build-bench}
runs=${RUNS:-21}
idle_seconds=${IDLE_SECONDS:-10}

mkdir -p "$build"
{
    cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release &&
        cmake --build "$build" -j2 --target tessaro x11_close bench_minimal_window bench_map_listener \
            bench_click_latency bench_first_use
} >"$build/bench-build.log" 2>&1 || { tail -n 40 "$build/bench-build.log" >&2; exit 1; }

export TESSARO=$build/bin/tessaro X11_CLOSE=$build/tests/app/x11_close SHOTS=${SHOTS:-$(mktemp -d)}
X11_TIME_LIMIT=${X11_TIME_LIMIT:-3600}
source "$source_dir/tests/app/x11.sh"
WORK=$(mktemp -d)
chmod 755 "$WORK"
trap '[ -n "${STALLED_PID:-}" ] && kill "$STALLED_PID" 2>/dev/null; session_stop; rm -rf "$WORK"' EXIT
session_x11
session_sound

bench=$build/bench
splash_name="Tessaro - an Orvane puzzle"
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime PULSE_SERVER=$PULSE_SOCKET
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

# Start-up: the minimal window and the game in turns, so that both see the same machine.
: >"$WORK/minimal" && : >"$WORK/game"
for _ in $(seq "$runs"); do
    "$bench/bench_map_listener" "Minimal window" "$bench/bench_minimal_window" >>"$WORK/minimal" 2>/dev/null
    "$bench/bench_map_listener" "$splash_name" "$TESSARO" >>"$WORK/game" 2>/dev/null
done
minimal_ms=$(field map_ms <"$WORK/minimal" | median)
# Each game run against the minimal run just before it: a batch's medians drift with the machine together.
paired_ratio=$(paste <(field map_ms <"$WORK/game") <(field map_ms <"$WORK/minimal") |
    awk '{ printf "%.4f\n", $1 / $2 }' | median)
game_ms=$(field map_ms <"$WORK/game" | median)
minimal_cpu_ms=$(field cpu_ms <"$WORK/minimal" | median)
game_cpu_ms=$(field cpu_ms <"$WORK/game" | median)
minimal_kb=$(field vmhwm_kb <"$WORK/minimal" | median)
game_kb=$(field vmhwm_kb <"$WORK/game" | median)

# Start-up without a usable audio server: none at all, a missing socket, and one that never answers.
startup_with() {
    : >"$WORK/audio"
    for _ in $(seq "$runs"); do
        env "$@" "$bench/bench_map_listener" "$splash_name" "$TESSARO" >>"$WORK/audio" 2>/dev/null
    done
    field map_ms <"$WORK/audio" | median
}
printf 'autospawn = no\n' >"$WORK/client.conf"
mkdir -p "$WORK/empty-runtime"
chmod 700 "$WORK/empty-runtime"
no_server_ms=$(startup_with -u PULSE_SERVER XDG_RUNTIME_DIR="$WORK/empty-runtime" PULSE_CLIENTCONFIG="$WORK/client.conf")
missing_ms=$(startup_with PULSE_SERVER="unix:$WORK/missing/native")
"$source_dir/tests/app/stalled_audio_server.py" "$WORK/stalled" &
STALLED_PID=$!
stalled_ms=$(startup_with PULSE_SERVER="unix:$WORK/stalled")

# Starts the game (through the command in the arguments, if any), clicks its splash and leaves it on the
# board; sets GAME_PID (the game's, or the wrapping command's), BOARD, MENU_HEIGHT and BOARD_AFTER.
start_on_board() {
    GAME_PID=$("$bench/bench_map_listener" --keep "$splash_name" "$@" "$TESSARO" 2>/dev/null | field pid)
    local splash
    splash=$(window_named "$splash_name")
    xdotool windowfocus --sync "$splash" 2>/dev/null || true
    local clicked
    clicked=$(date +%s.%N)
    click_at "$splash" 281 344
    BOARD=$(window_named "Tessaro")
    BOARD_AFTER=$(awk -v from="$clicked" -v to="$(date +%s.%N)" 'BEGIN { printf "%.2f", to - from }')
    MENU_HEIGHT=$(( $(xwininfo -id "$BOARD" | awk '/Height:/ {print $2}') - 440 ))
}

end_game() {
    "$X11_CLOSE" "$BOARD"
    for _ in $(seq 300); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill "$GAME_PID" 2>/dev/null || true
    GAME_PID=""
}

# The splash answers its click at once even when the music's server hangs.
start_on_board env PULSE_SERVER="unix:$WORK/stalled"
stalled_click_s=$BOARD_AFTER
end_game
kill "$STALLED_PID"
STALLED_PID=""

# Idle: CPU time of the board after New Game, once the opening music has ended.
# Nanoseconds on the CPU, summed over all the game's threads (finer than the 10 ms ticks of /proc/PID/stat).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f", sum }'; }
start_on_board
new_game
for _ in $(seq 600); do
    [ -z "$(pactl -s "$PULSE_SOCKET" list short sink-inputs)" ] && break
    sleep 0.1
done
: >"$WORK/idle"
for _ in $(seq "$runs"); do
    before=$(cpu_ns "$GAME_PID")
    sleep "$idle_seconds"
    after=$(cpu_ns "$GAME_PID")
    awk -v ns=$((after - before)) 'BEGIN { printf "%.2f\n", ns / 1e6 }' >>"$WORK/idle"
done
idle_ms=$(median <"$WORK/idle")
idle_max_ms=$(sort -g "$WORK/idle" | tail -n 1)
end_game

# The first show of the board, its first New Game and first press of "Final Sequence", in fresh windows.
: >"$WORK/first"
for _ in $(seq "$runs"); do
    "$bench/bench_first_use" "$build/bin" >>"$WORK/first" 2>/dev/null
done
first_show_ms=$(field show_ms <"$WORK/first" | median)
first_show_max=$(field show_ms <"$WORK/first" | sort -g | tail -n 1)
first_new_game_ms=$(field new_game_ms <"$WORK/first" | median)
first_view_ms=$(field final_sequence_ms <"$WORK/first" | median)
first_new_game_max=$(field new_game_ms <"$WORK/first" | sort -g | tail -n 1)
first_view_max=$(field final_sequence_ms <"$WORK/first" | sort -g | tail -n 1)

# Click processing inside the board window, through Qt's event system.
clicks=$("$bench/bench_click_latency" "$build/bin" "$runs" 2>/dev/null)
click_median_us=$(field median_us <<<"$clicks")
click_p99_us=$(field p99_us <<<"$clicks")

# Files opened between the last click of the 30-move line and the results window's appearance.
columns=(0 2 2 3 4 1 2 3 4 5 6 1 2 3 4 5 0 1 2 3 4 5 2 3 4 4)
rows=(0 0 1 1 1 2 2 2 2 2 2 3 3 3 3 3 4 4 4 4 4 4 5 5 5 6)
click_square() { click_at "$BOARD" $((9 + 60 * columns[$1] + 30)) $((MENU_HEIGHT + 9 + 60 * rows[$1] + 30)); }
start_on_board strace -f -ttt -e trace=open,openat,openat2,creat -o "$WORK/strace.log"
new_game
for square in "${LINE[@]:0:29}"; do
    click_square "$square"
done
sleep 1
last_click=$(date +%s.%N)
click_square 25
results=$(window_named "Game Over")
shown=$(date +%s.%N)
awk -v from="$last_click" -v to="$shown" '$2 + 0 >= from && $2 + 0 <= to && /open/ { print }' "$WORK/strace.log" \
    >"$WORK/opened"
opened=$(grep -c . "$WORK/opened" || true)
# The results window reads both sounds when it loads, before it is shown; anything else is a surprise.
unexpected=$(grep -v -e '/SOUND/APPLAUS\.WAV"' -e '/SOUND/CHEERS\.WAV"' "$WORK/opened" | grep -c . || true)
click_at "$results" $((129 + 43)) $((176 + 13))
end_game

verdict() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v <= goal) ? "met" : "MISSED" }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
map_ratio=$(ratio "$game_ms" "$minimal_ms")
memory_ratio=$(ratio "$game_kb" "$minimal_kb")
cpu_ratio=$(ratio "$game_cpu_ms" "$minimal_cpu_ms")
p99_ms=$(awk -v v="$click_p99_us" 'BEGIN { printf "%.3f", v / 1000 }')

printf '\nMedians of %s runs (Release build in %s)\n\n' "$runs" "$build"
printf '%-58s %-30s %-11s %s\n' "Figure" "Value" "Goal" "Verdict"
printf '%-58s %-30s %-11s %s\n' "Splash mapped after exec (game / minimal)" "$game_ms / $minimal_ms ms = $map_ratio" "<= 1.15" "$(verdict "$map_ratio" 1.15)"
printf '%-58s %-30s %-11s %s\n' "  median of the runs' own ratios (each game / minimal pair)" "$(ratio "$paired_ratio" 1)" "<= 1.15" "$(verdict "$paired_ratio" 1.15)"
printf '%-58s %-30s %-11s %s\n' "  processor time until then (game / minimal)" "$game_cpu_ms / $minimal_cpu_ms ms = $cpu_ratio" "(<= 1.15)" "$(verdict "$cpu_ratio" 1.15)"
printf '%-58s %-30s %-11s %s\n' "Peak resident memory then (game / minimal)" "$game_kb / $minimal_kb kB = $memory_ratio" "<= 1.15" "$(verdict "$memory_ratio" 1.15)"
printf '%-58s %-30s %-11s %s\n' "First show of the board, to its painted artwork" "$first_show_ms / $first_show_max ms" "-" "-"
printf '%-58s %-30s %-11s %s\n' "First New Game, to the painted board (median / max)" "$first_new_game_ms / $first_new_game_max ms" "< 16 ms" "$(verdict "$first_new_game_max" 15.999)"
printf '%-58s %-30s %-11s %s\n' "First \"Final Sequence\" press, to the painted view" "$first_view_ms / $first_view_max ms" "< 16 ms" "$(verdict "$first_view_max" 15.999)"
printf '%-58s %-30s %-11s %s\n' "Click on a knight, median / 99th percentile" "$click_median_us / $click_p99_us us" "p99 < 1 ms" "$(verdict "$p99_ms" 0.999)"
printf '%-58s %-30s %-11s %s\n' "CPU while the board idles ${idle_seconds} s (median / max)" "$idle_ms / $idle_max_ms ms" "< 10 ms" "$(verdict "$idle_ms" 9.999)"
printf '%-58s %-30s %-11s %s\n' "Files opened, last click to results (other than sounds)" "$opened ($unexpected)" "(0)" "$(verdict "$unexpected" 0)"
printf '%-58s %-30s %-11s %s\n' "Splash mapped, no audio server" "$no_server_ms ms" "~ $game_ms" "$(verdict "$no_server_ms" "$(awk -v g="$game_ms" 'BEGIN { print g * 1.3 }')")"
printf '%-58s %-30s %-11s %s\n' "Splash mapped, audio socket missing" "$missing_ms ms" "~ $game_ms" "$(verdict "$missing_ms" "$(awk -v g="$game_ms" 'BEGIN { print g * 1.3 }')")"
printf '%-58s %-30s %-11s %s\n' "Splash mapped, audio server never answers" "$stalled_ms ms" "~ $game_ms" "$(verdict "$stalled_ms" "$(awk -v g="$game_ms" 'BEGIN { print g * 1.3 }')")"
printf '%-58s %-30s %-11s %s\n' "Splash click to board, audio server never answers" "$stalled_click_s s" "< 1 s" "$(verdict "$stalled_click_s" 1)"
if [ "$opened" -gt 0 ]; then
    printf '\nFiles opened between the last click and the results window:\n'
    sed 's/^/  /' "$WORK/opened"
fi
