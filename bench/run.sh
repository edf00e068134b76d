#!/usr/bin/env bash
# Builds the benchmarks in a Release build (build-bench/) and prints all their figures, the machine first.
#   bench/run.sh          JOBS=N sets the build's parallel jobs (default: the number of processors),
#                         PAIRS=N the pairs of window starts that compare ratio 2 with ratio 1 (default 5)
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
# The median of the numbers given.
middle() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The cost of ratio 2 against ratio 1 from alternating pairs of window_bench starts (one start-up, 15 runs
# each), all on one processor: on a shared machine the median of one start moves by a third from one start
# to the next, and more when the process moves between processors, so one pair alone proves little.
pairs=${PAIRS:-5}
pin=()
if command -v taskset >/dev/null && [ "$(nproc)" -gt 1 ]; then
  pin=(taskset -c "$(taskset -pc $$ | sed 's/.*: *//; s/[,-].*//')")
fi
start_window() { # offscreen|xvfb, ratio 1|2, output file
  local scale=() screen=1280x1024x24
  if [ "$2" = 2 ]; then scale=(QT_SCALE_FACTOR=2) screen=2000x1400x24; fi
  if [ "$1" = xvfb ]; then
    env -u QT_QPA_PLATFORM "${scale[@]}" xvfb-run -a -s "-screen 0 $screen -nolisten tcp" "${pin[@]}" "$window" 1 15
  else
    env QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "${scale[@]}" "${pin[@]}" "$window" 1 15
  fi 2>&1 | quiet >"$3"
  [ -n "$(median "$3" 'full run')" ]
}
ratio_pairs() { # offscreen|xvfb
  local k one two walls=() processors=()
  echo "== window_bench, ratio 2 against ratio 1, $1: $pairs pairs of starts${pin[*]:+ (${pin[*]})}"
  for ((k = 1; k <= pairs; ++k)); do
    one="$build/pair-$1-$k-1x.out" two="$build/pair-$1-$k-2x.out"
    if ! start_window "$1" 1 "$one" || ! start_window "$1" 2 "$two"; then
      failed+=("window_bench pairs, $1")
      return
    fi
    walls+=("$(awk -v a="$(median "$one" 'full run')" -v b="$(median "$two" 'full run')" 'BEGIN { print b / a }')")
    processors+=("$(awk -v a="$(median "$one" 'processor time')" -v b="$(median "$two" 'processor time')" \
                   'BEGIN { print b / a }')")
    printf '  pair %d: ratio 1 %s ms, ratio 2 %s ms: %.2f\n' "$k" "$(median "$one" 'full run')" \
      "$(median "$two" 'full run')" "${walls[-1]}"
  done
  printf 'full run at ratio 2 / ratio 1, %s: %.2f (median of %d pairs, %.2f to %.2f; processor time %.2f)\n' \
    "$1" "$(middle "${walls[@]}")" "$pairs" "$(printf '%s\n' "${walls[@]}" | sort -g | head -1)" \
    "$(printf '%s\n' "${walls[@]}" | sort -g | tail -1)" "$(middle "${processors[@]}")"
}

window=$(find "$build/bench" -type f -name window_bench -perm -u+x | head -1)
if [ -n "$window" ]; then
  # At a device pixel ratio of 2 the views are drawn at the screen's resolution.
  echo "== window_bench at a device pixel ratio of 2 (QT_SCALE_FACTOR=2)"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_SCALE_FACTOR=2 "$window" 2>&1 | quiet |
    tee "$build/window_bench-2x.out" || failed+=("window_bench at ratio 2")
  ratio_pairs offscreen
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
  ratio_pairs xvfb
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
