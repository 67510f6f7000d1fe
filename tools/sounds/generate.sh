#!/bin/sh
# Rebuilds the game's sound files in data/SOUND from our own generator; the same sources give the same bytes.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -o "$work/tessaro_soundgen" "$here"/*.cpp
mkdir -p "$root/data/SOUND"
"$work/tessaro_soundgen" "$root/data/SOUND"
