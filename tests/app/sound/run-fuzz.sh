#!/bin/sh
# Fuzzes the WAV reader for a bounded time, starting from the game's own sounds (their first 4 kB).
# Usage: run-fuzz.sh FUZZER SOUND_FOLDER WORK_FOLDER SECONDS
set -eu

rm -rf "$3"
mkdir -p "$3/corpus" "$3/artifacts"
cp "$2"/*.WAV "$3/corpus/"
"$1" -max_total_time="$4" -max_len=4096 -dict="$(dirname "$0")/wavreader.dict" -artifact_prefix="$3/artifacts/" \
    "$3/corpus"
