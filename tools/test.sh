#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test headless: the fuzz targets for a bounded
# time, the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, the Debian package,
# and last the whole suite in the normal build, ending with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh test
jobs=$(nproc)

echo "== Fuzzing (bounded time)"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTESSARO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzzers
ctest --test-dir build-fuzz -R fuzz --output-on-failure -j"$jobs"

echo "== Everything under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DTESSARO_SANITIZE=ON -DTESSARO_WERROR=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$jobs"
# Only the summary unless something failed, so the last summary printed is the full suite's.
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" >build-sanitize/ctest.log 2>&1 ||
    { cat build-sanitize/ctest.log; exit 1; }
sed -n "/tests passed/,\$p" build-sanitize/ctest.log

echo "== Full suite"
cmake -S . -B build -DTESSARO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

echo "== Debian package"
packaging/check-deb.sh build

ctest --test-dir build --output-on-failure -j"$jobs"
