#!/bin/sh
# Runs the sound probe COUNT times, each ending its event loop at a different moment of its tone,
# and fails unless every run exits with status 0.
# Usage: run-probe.sh PROBE COUNT
set -u

probe=$1
count=$2
failures=0
i=0
while [ "$i" -lt "$count" ]; do
    "$probe" $((i % 9 * 25)) >/dev/null 2>&1
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "run $i ended with status $status" >&2
        failures=$((failures + 1))
    fi
    i=$((i + 1))
done
echo "$count runs, $failures failed"
[ "$failures" -eq 0 ]
