#!/usr/bin/env bash
# The alarm through a real sound server: a PulseAudio of its own with a null sink, whose monitor parec
# records while the real main window posts an important moment (post_important_moment). sox then compares
# the recording with the alarm sound itself: as long, as loud and as high as the alarm when the sound box
# is checked, silence when it is not.
#   alarm_through_pulseaudio.sh PATH_TO_post_important_moment PATH_TO_letop.wav
# Exit 77 (skipped) when a tool is missing or PulseAudio cannot start here.
set -uo pipefail
probe=$1 alarm=$2

for tool in pulseaudio pactl parec sox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (packages pulseaudio, pulseaudio-utils, sox)"; exit 77; }
done

work=$(mktemp -d)
server="" recorder=""
cleanup() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
failures=0

# Its own runtime folder and home, so neither a user's sound server nor a user's settings take part; root
# is told that PulseAudio is not meant for it, and goes on.
mkdir -m 700 "$work/runtime"
socket=$work/runtime/native
sink=vartel_alarm_test
HOME=$work XDG_RUNTIME_DIR=$work/runtime pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --load="module-null-sink sink_name=$sink" \
  --load="module-native-protocol-unix socket=$socket auth-anonymous=1" >"$work/pulseaudio.log" 2>&1 &
server=$!
export PULSE_SERVER=unix:$socket
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "SKIP: PulseAudio could not start here:"
  cat "$work/pulseaudio.log"
  exit 77
fi

# "Length", "RMS amplitude", "Maximum amplitude" or "Rough frequency" of sox's stat of a file.
stat_of() { sox "$1" -n stat 2>&1 | awk -F: -v what="$2" '$1 ~ "^" what { gsub(/ /, "", $2); print $2 }'; }
# The file without its leading and trailing silence: from the first to the last sound of the alarm.
trimmed() { sox "$1" "$2" silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse; }
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }

# Records the sink while the window posts the moment; the recording is "$work/$1.wav".
record() {
  local mode=$1 file=$work/$1.wav
  # Short fragments, so that the recording starts at once and nothing waits in the server at the end.
  parec --latency-msec=50 -d "$sink.monitor" --format=s16le --rate=22050 --channels=1 --file-format=wav "$file" &
  recorder=$!
  local _
  for _ in $(seq 100); do # until about 0.1 s of sound has arrived: the monitor delivers
    [ "$(stat -c %s "$file" 2>/dev/null || echo 0)" -gt 4500 ] && break
    sleep 0.05
  done
  XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen "$probe" "$mode" || fail "$mode: the window did not post the important moment"
  sleep 0.3
  kill -INT "$recorder"
  wait "$recorder" 2>/dev/null
  recorder=""
  [ -s "$file" ] || fail "$mode: parec recorded nothing"
}

trimmed "$alarm" "$work/alarm.wav"
alarm_length=$(stat_of "$work/alarm.wav" Length)
alarm_rms=$(stat_of "$work/alarm.wav" "RMS +amplitude")
alarm_pitch=$(stat_of "$work/alarm.wav" "Rough +frequency")

record sound-on
if [ -s "$work/sound-on.wav" ]; then
  recorded_peak=$(stat_of "$work/sound-on.wav" "Maximum +amplitude")
  if within "$recorded_peak" 0 0.01; then
    fail "sound-on: the recording is silent (peak $recorded_peak): the alarm did not reach the sound server"
  else
    trimmed "$work/sound-on.wav" "$work/heard.wav"
    length=$(stat_of "$work/heard.wav" Length)
    rms=$(stat_of "$work/heard.wav" "RMS +amplitude")
    pitch=$(stat_of "$work/heard.wav" "Rough +frequency")
    echo "alarm: ${alarm_length} s, RMS $alarm_rms, about $alarm_pitch Hz; heard: ${length} s, RMS $rms, about $pitch Hz"
    # Qt's sound effect loses a few hundredths of a second at either end of a sound.
    within "$length" "$(awk -v a="$alarm_length" 'BEGIN { print a - 0.2 }')" \
      "$(awk -v a="$alarm_length" 'BEGIN { print a + 0.1 }')" ||
      fail "sound-on: heard ${length} s of sound, the alarm lasts ${alarm_length} s"
    within "$rms" "$(awk -v a="$alarm_rms" 'BEGIN { print a / 2 }')" "$(awk -v a="$alarm_rms" 'BEGIN { print a * 2 }')" ||
      fail "sound-on: the sound heard (RMS $rms) is not as loud as the alarm (RMS $alarm_rms)"
    within "$pitch" "$(awk -v a="$alarm_pitch" 'BEGIN { print a * 0.8 }')" \
      "$(awk -v a="$alarm_pitch" 'BEGIN { print a * 1.2 }')" ||
      fail "sound-on: the sound heard (about $pitch Hz) is not the alarm (about $alarm_pitch Hz)"
  fi
fi

record sound-off
if [ -s "$work/sound-off.wav" ]; then
  peak=$(stat_of "$work/sound-off.wav" "Maximum +amplitude")
  within "$peak" 0 0.01 || fail "sound-off: a sound was heard (peak $peak) with the sound box unchecked"
fi

if [ $failures -ne 0 ]; then
  echo "sound server log:"; cat "$work/pulseaudio.log"
  exit 1
fi
echo "alarm through PulseAudio: all checks passed"
