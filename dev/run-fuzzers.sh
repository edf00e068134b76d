#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
# A fixed seed keeps a CI run repeatable; FUZZ_SEED=0 lets libFuzzer pick one.
seed=${FUZZ_SEED:-1}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARTEL_FUZZ=ON \
  -DVARTEL_BUILD_TESTS=OFF -DVARTEL_BUILD_BENCH=OFF >/dev/null
targets=(parameter_commit_fuzz rtf_reader_fuzz saved_run_reader_fuzz lesson_reader_fuzz lesson_link_fuzz)
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
status=0
for t in "${targets[@]}"; do
  exe=$(find build-fuzz -type f -name "$t" -perm -u+x | head -n1)
  corpus=build-fuzz/corpus-$t
  mkdir -p "$corpus"
  # A target's seeds, where it has some, are read besides the corpus; new finds go into the corpus only.
  seeds=()
  if [ -d "tests/fuzz/seeds/$t" ]; then seeds=("tests/fuzz/seeds/$t"); fi
  echo "== $t for ${seconds}s"
  if "$exe" -seed="$seed" -artifact_prefix=build-fuzz/ -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" "${seeds[@]}" \
      >"build-fuzz/$t.log" 2>&1; then
    grep -E 'stat::number_of_executed_units|Done' "build-fuzz/$t.log" | tail -n 2
  else
    tail -n 40 "build-fuzz/$t.log"; echo "$t FAILED"; status=1
  fi
done
exit $status
