#!/usr/bin/env bash
# Builds the benchmarks in a Release build (build-bench/) and prints all their figures, the machine first.
#   bench/run.sh          JOBS=N sets the build's parallel jobs (default: the number of processors)
# The benchmarks print figures only; none of them judges a time.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
jobs=${JOBS:-$(nproc)}

echo "== Machine"
echo "processors: $(nproc), $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "memory:     $(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
echo "load:       $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min); figures are only comparable on a quiet machine"
echo "revision:   $(git rev-parse --short HEAD 2>/dev/null || echo unknown)$(git diff --quiet HEAD 2>/dev/null || echo ' with local changes')"

echo "== Build (Release, $build)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVARTEL_BUILD_TESTS=OFF -DVARTEL_BUILD_BENCH=ON >/dev/null
known=$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
benches=()
for target in model_bench views_bench tools_bench window_bench; do
  if grep -qx "$target" <<<"$known"; then benches+=("$target"); fi
done
cmake --build "$build" -j"$jobs" --target "${benches[@]}" vartel >/dev/null
echo "built: ${benches[*]} vartel"
rm -f "$build"/*.out # the summary below reads only this run's figures

# Qt's notes about the missing session folder and audio device are no figures.
quiet() { grep -v -e XDG_RUNTIME_DIR -e PulseAudio -e 'No audio device' || true; }
failed=()
for target in "${benches[@]}"; do
  program=$(find "$build/bench" -type f -name "$target" -perm -u+x | head -1)
  echo "== $target"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program" 2>&1 | quiet | tee "$build/$target.out" ||
    failed+=("$target")
done

# The median of a figure line of window_bench's output ("full run" or "processor time").
median() { sed -n "/$2/s/.*median *\([0-9.]*\) ms.*/\1/p" "$1" | head -1; }
# The window at a device pixel ratio of 2 against 1: the ratios of the medians of wall and processor time.
compare_ratio() { # output at 1, output at 2, where
  awk -v w1="$(median "$1" 'full run')" -v w2="$(median "$2" 'full run')" \
      -v p1="$(median "$1" 'processor time')" -v p2="$(median "$2" 'processor time')" -v where="$3" \
      'BEGIN { if (w1 > 0 && p1 > 0) printf "full run at ratio 2 / ratio 1, %s: %.2f (processor time %.2f)\n", where, w2 / w1, p2 / p1 }'
}
window=$(find "$build/bench" -type f -name window_bench -perm -u+x | head -1)
if [ -n "$window" ]; then
  # At a device pixel ratio of 2 the views are drawn at the screen's resolution.
  echo "== window_bench at a device pixel ratio of 2 (QT_SCALE_FACTOR=2)"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_SCALE_FACTOR=2 "$window" 2>&1 | quiet |
    tee "$build/window_bench-2x.out" || failed+=("window_bench at ratio 2")
  compare_ratio "$build/window_bench.out" "$build/window_bench-2x.out" "${QT_QPA_PLATFORM:-offscreen}"
fi

# The window once more on a real X server, whose copies of each year's painting count too; at ratio 2 on a
# screen of 2000 x 1400, where the doubled window fits.
if [ -n "$window" ] && command -v xvfb-run >/dev/null; then
  echo "== window_bench under Xvfb"
  env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$window" 2>&1 | quiet |
    tee "$build/window_bench-xvfb.out" || failed+=("window_bench under Xvfb")
  echo "== window_bench under Xvfb at a device pixel ratio of 2 (QT_SCALE_FACTOR=2)"
  env -u QT_QPA_PLATFORM QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2000x1400x24 -nolisten tcp" "$window" 2>&1 |
    quiet | tee "$build/window_bench-xvfb-2x.out" || failed+=("window_bench under Xvfb at ratio 2")
  compare_ratio "$build/window_bench-xvfb.out" "$build/window_bench-xvfb-2x.out" "Xvfb"
fi

# The fastest speed's full run in every setting of this bench run, next to the batch tool's full run of the
# same scenario with its data file (tools_bench, measured above in the same run).
passes() { sed -n 's/.*passes of the event loop per run: *min *[0-9]*, *median *\([0-9]*\).*/\1/p' "$1" | head -1; }
longest() { sed -n 's/.*longest pass of all the runs: *\([0-9.]*\) ms.*/\1/p' "$1" | head -1; }
batch=$(awk '/realistic_medium_full_run_data/ { print $2; exit }' "$build/tools_bench.out" 2>/dev/null || true)
echo "== Fastest speed, Realistic medium to year 3000, against vartel-batch --scenario 6 --data (${batch:-?} ms)"
for run in window_bench:"offscreen, ratio 1" window_bench-2x:"offscreen, ratio 2" \
           window_bench-xvfb:"Xvfb, ratio 1" window_bench-xvfb-2x:"Xvfb, ratio 2"; do
  out="$build/${run%%:*}.out"
  [ -s "$out" ] || continue
  awk -v where="${run#*:}" -v wall="$(median "$out" 'full run')" -v cpu="$(median "$out" 'processor time')" \
      -v batch="${batch:-0}" -v passes="$(passes "$out")" -v longest="$(longest "$out")" \
      'BEGIN { printf "  %-18s full run %7.1f ms (processor %7.1f ms)", where, wall, cpu
               if (batch > 0) printf ", %5.1f x the batch tool", wall / batch
               printf "; %s passes, longest %s ms\n", passes, longest }'
done

echo "== The real program's process (bench/ui/real_window.sh)"
# Under Xvfb when it is there, as a desktop runs it; otherwise offscreen.
bench/ui/real_window.sh "$build/ui/vartel" 2>&1 | quiet || failed+=(real_window.sh)

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
