#!/usr/bin/env bash
# Installs what is missing, builds Vartel and runs every test: the normal build, the same suite under
# AddressSanitizer and UBSan, and the fuzz targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
dev/install-packages.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

status=0
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" || status=1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/dev/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVARTEL_SANITIZE=ON -DVARTEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE e2e || status=1

dev/run-fuzzers.sh || status=1

if [ $status -ne 0 ]; then echo "SOME TESTS FAILED"; fi
exit $status
