#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test headless:
# the rules under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets, then the full suite.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
jobs=$(nproc)

echo "== Rules core under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DTESSARO_CORE_ONLY=ON -DTESSARO_SANITIZE=ON -DTESSARO_WERROR=ON \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" | tail -n 3

echo "== Full suite"
cmake -S . -B build -DTESSARO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

echo "== Debian package"
packaging/check-deb.sh build

ctest --test-dir build --output-on-failure -j"$jobs"
