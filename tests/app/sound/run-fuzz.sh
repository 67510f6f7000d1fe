#!/bin/sh
# Fuzzes the WAV reader for a bounded time, starting from a freshly written seed corpus.
# Usage: run-fuzz.sh FUZZER SEED_WRITER WORK_FOLDER SECONDS
set -eu

fuzzer=$1
seeds=$2
work=$3
seconds=$4
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
"$seeds" "$work/corpus"
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$work/artifacts/" "$work/corpus"
