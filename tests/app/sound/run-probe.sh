#!/bin/sh
# Runs the sound probe COUNT times, each ending its event loop at a different moment of its tone,
# and fails unless every run exits with status 0.
# Usage: run-probe.sh PROBE COUNT
failures=0
for i in $(seq 0 $(($2 - 1))); do
    "$1" $((i % 9 * 25)) >/dev/null 2>&1 || { echo "run $i ended with status $?" >&2; failures=$((failures + 1)); }
done
echo "$2 runs, $failures failed"
[ "$failures" -eq 0 ]
