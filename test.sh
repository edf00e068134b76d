#!/usr/bin/env bash
# Installs what is missing, checks the sources' style, builds Vartel and runs every test: the normal build,
# the same suite under AddressSanitizer and UBSan, the fuzz targets for a bounded time, and last the Debian
# package, which is installed into the system and removed again. Ends with a summary of every suite.
set -euo pipefail
cd "$(dirname "$0")"
dev/install-packages.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# ccache, where installed, keeps compiled objects between runs and between clones of the repository.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

status=0
summary=()
results=$(mktemp)
trap 'rm -f "$results"' EXIT
# Runs one CTest suite, noting its verdict and its counts for the summary.
suite() { # name, ctest arguments...
  local name=$1 verdict=passed
  shift
  ctest "$@" | tee "$results" || { verdict=FAILED; status=1; }
  summary+=("$name: $verdict ($(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$results" || echo 'no count'))")
}

if dev/check-format.sh; then summary+=("format: passed"); else summary+=("format: FAILED"); status=1; fi

# Warnings are errors here: there are none, and a new one should not slip in.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
suite "normal build" --test-dir build --output-on-failure -j"$jobs" -LE package

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/dev/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVARTEL_SANITIZE=ON -DVARTEL_BUILD_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs"
suite "sanitizers" --test-dir build-asan --output-on-failure -j"$jobs" -LE 'e2e|package|web'

if dev/run-fuzzers.sh; then summary+=("fuzzers: passed"); else summary+=("fuzzers: FAILED"); status=1; fi

# Last, since it changes the system while it runs: the package built from the normal build.
suite "Debian package" --test-dir build --output-on-failure -L package

echo "Summary:"
printf '  %s\n' "${summary[@]}"
if [ $status -ne 0 ]; then echo "SOME TESTS FAILED"; fi
exit $status
