#!/usr/bin/env bash
# Figures of the real program's process: start-up and peak memory. Prints figures; judges no time.
#   real_window.sh [PATH_TO_VARTEL [REPETITIONS]]
#
# Under X (Xvfb started here when there is no display and xvfb-run is installed): the time from starting the
# process to its main window being mapped and the process's peak memory (VmHWM) once the window has painted,
# by window_mapped.py, which then ends the program with SIGTERM: it only exits when its window is closed.
# Always: the program's own start-up probe (VARTEL_STARTUP_PROBE=1, which quits once the window is shown)
# under /usr/bin/time, for the whole process's wall time and maximum resident set.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build-bench/ui/vartel}
repetitions=${2:-5}
[ -x "$program" ] || { echo "real_window.sh: no program at $program" >&2; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$program" "$repetitions"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

min_median() { # of the numbers on standard input
  sort -n | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "min %6.1f, median %6.1f", v[1], m }'
}

echo "real_window.sh: $program, platform ${QT_QPA_PLATFORM:-xcb on $DISPLAY}, $repetitions times"

if [ -n "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  mapped_times=() peaks=() classes=()
  for _ in $(seq "$repetitions"); do
    line=$(python3 "$here/window_mapped.py" 1 "$program")
    mapped_times+=("$(sed -n 's/.*mapped_ms=\([0-9.]*\).*/\1/p' <<<"$line")")
    peaks+=("$(sed -n 's/.*vmhwm_kb=\([0-9]*\).*/\1/p' <<<"$line")")
    classes+=("$(sed -n 's/.*class=\([^ ]*\).*/\1/p' <<<"$line")")
  done
  echo "  process start to main window mapped:     $(printf '%s\n' "${mapped_times[@]}" | min_median) ms"
  echo "  peak memory, window shown and idle 1 s:  $(printf '%s\n' "${peaks[@]}" | awk '{ print $1 / 1024 }' | min_median) MiB (VmHWM)"
  echo "  window class (WM_CLASS):                 ${classes[0]}"
fi

probe_walls=() probe_rss=() probe_own=()
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for _ in $(seq "$repetitions"); do
  own=$(VARTEL_STARTUP_PROBE=1 /usr/bin/time -v -o "$log" "$program" 2>/dev/null | sed -n 's/^first window shown after \([0-9]*\) ms$/\1/p')
  probe_own+=("${own:-0}")
  probe_walls+=("$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; ++i) s = s * 60 + t[i]; print s * 1000 }' "$log")")
  probe_rss+=("$(awk -F': ' '/Maximum resident set size/ { print $2 / 1024 }' "$log")")
done
echo "  main() to first window shown (probe):    $(printf '%s\n' "${probe_own[@]}" | min_median) ms"
echo "  whole probe process, exec to exit:       $(printf '%s\n' "${probe_walls[@]}" | min_median) ms"
echo "  peak memory of the probe process:        $(printf '%s\n' "${probe_rss[@]}" | min_median) MiB (max RSS)"
