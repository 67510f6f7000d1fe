#!/usr/bin/env bash
# The long random run: STEPS (20,000) steps in SHARDS (4) runs side by side, seeds SEED, SEED+1, ..., each
# in its own Xvfb and D-Bus session and going on past violations; ends with the summed figures: steps per
# channel, games won per rank, new games, violations and the seconds taken. Violations' steps are kept
# under MONKEY_OUT.
set -euo pipefail
steps=${STEPS:-20000} shards=${SHARDS:-4} seed=${SEED:-1}
out=${MONKEY_OUT:-$(mktemp -d)}
export X11_TIME_LIMIT=${X11_TIME_LIMIT:-36000}
runs=()
for shard in $(seq 0 $((shards - 1))); do
    mkdir -p "$out/$shard"
    MONKEY_OUT=$out/$shard "$(dirname "$0")/monkey_test.sh" --seed $((seed + shard)) --steps $((steps / shards)) \
        --keep-going --show 0 >"$out/$shard/log" 2>&1 &
    runs+=($!)
done
status=0
for run in "${runs[@]}"; do
    wait "$run" || status=1
done
grep -h VIOLATION "$out"/*/log || true
/usr/bin/python3 - "$out" <<'SUM'
import collections, json, pathlib, sys
total = collections.Counter()
for log in sorted(pathlib.Path(sys.argv[1]).glob("*/log")):
    text = log.read_text(errors="replace")
    figures = json.loads(text[text.rindex("\n{") + 1:text.rindex("}") + 1])
    seconds = figures.pop("seconds", 0)
    total.update(figures)
    total["seconds"] = max(total["seconds"], seconds)
print(json.dumps(dict(sorted(total.items())), indent=1))
SUM
echo "steps of each violation: $out"
exit $status
