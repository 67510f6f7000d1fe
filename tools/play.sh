#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tessaro
exec build/bin/tessaro
