#!/bin/sh
# Rebuilds the sound files with the generator and fails unless they equal the committed ones byte for byte.
# Usage: regenerate-matches.sh GENERATOR SOUND_FOLDER
set -eu

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" "$work"
for name in 8MUSC28.WAV APPLAUS.WAV CHEERS.WAV; do
    cmp "$work/$name" "$2/$name" ||
        { echo "$name differs from what tools/sounds makes: run tools/sounds/generate.sh" >&2; exit 1; }
done
