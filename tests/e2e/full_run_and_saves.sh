#!/usr/bin/env bash
# Starts vartel under its own Xvfb, runs "Realistic, medium" at the fastest speed to year 3000, saves the data,
# the graph as GIF and the pyramid as EMF through the real dialogs, checks the files with independent decoders
# and checks a few pixels of a screenshot. Exit 77 (skipped) when no X server can be started.
#   full_run_and_saves.sh VARTEL ARTIFACTS [SCALE [LANGUAGE]]
# With a SCALE (QT_SCALE_FACTOR, 2 or 1.5) the window is that many times larger on a 2000 x 1400 screen, the
# clicks land on the same controls, the saved pictures keep their size and the screenshot is named -SCALEx.
# With LANGUAGE nl the desktop is Dutch (LANG=nl_NL.UTF-8): the window is, the saved files stay English, and
# the screenshot is named -nl.
set -uo pipefail
vartel=$1
artifacts=$2
scale=${3:-1}
language=${4:-en}
mkdir -p "$artifacts"
# A window position in screen pixels.
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
if [ "$scale" = 1 ]; then screen=1280x1024x24; suffix=""; else screen=2000x1400x24; suffix="-${scale}x"; fi
work=$(mktemp -d)
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# shellcheck source=xvfb.sh
source "$(dirname "$0")/xvfb.sh"

for tool in Xvfb xdotool import convert identify giftext emf2svg-conv; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

start_xvfb "$screen" 90 140
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
if [ "$scale" != 1 ]; then export QT_SCALE_FACTOR=$scale; fi
title="Vartel      -      Population Simulation"
unset LANGUAGE LC_ALL LC_MESSAGES
if [ "$language" = nl ]; then
  export LANG=nl_NL.UTF-8
  title="Vartel      -      Bevolkingssimulatie"
  suffix="$suffix-nl"
else
  export LANG=C.UTF-8
fi

HOME=$work "$vartel" >"$work/vartel.log" 2>&1 &
app=$!
win=$(xdotool search --sync --limit 1 --name "^${title}\$" 2>/dev/null | head -n1)
[ -n "$win" ] || fail "no window titled '$title'"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = "$(px 865)" ] && [ "$HEIGHT" = "$(px 643)" ] ||
  fail "client size ${WIDTH}x${HEIGHT}, expected $(px 865)x$(px 643)"
ox=$X; oy=$Y
click() { xdotool mousemove --sync $((ox + $(px "$1"))) $((oy + $(px "$2"))) click 1; sleep 0.3; }
save_through_dialog() { # button x, y; file name
  click "$1" "$2"
  sleep 1.5
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$3"
  xdotool key Return
  sleep 1.5
}

click 266 128                          # RadioButton6 "Realistic, medium"
click 84 54                            # TrackBar1, right end: fastest speed
click 110 24                           # StartButton
# The run is over when the pyramid and the graph (Panel1, Panel2) stop changing: three equal pictures in a
# row, a second apart. A loaded machine only makes this take longer.
still=0; previous=""
for _ in $(seq 300); do
  sleep 1
  now=$(import -window root -crop "$(px 849)x$(px 449)+$((ox + $(px 8)))+$((oy + $(px 130)))" +repage rgb:- 2>/dev/null | md5sum)
  if [ "$now" = "$previous" ]; then still=$((still + 1)); else still=0; fi
  previous=$now
  [ "$still" -ge 3 ] && break
done
[ "$still" -ge 3 ] || fail "the run did not come to an end within 300 s"
save_through_dialog 804 595 "$work/run.txt"     # Button2 "Save data"
save_through_dialog 714 595 "$work/graph.gif"   # Button1 "Save graph"
save_through_dialog 43 145 "$work/pyramid.emf"  # Button3 "Save" of the pyramid
xdotool mousemove --sync $((ox + $(px 700))) $((oy + $(px 300)))
sleep 0.5
import -window root "$work/screen.png"
cp "$work/screen.png" "$artifacts/screenshot-full$suffix.png"
convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$ox+$oy" +repage "$artifacts/screenshot$suffix.png"

# The data file: 3001 rows of a full run.
[ -f "$work/run.txt" ] || fail "no data file written"
rows=$(awk -F'\t' 'NF == 14' "$work/run.txt" | wc -l)
[ "$rows" -eq 3001 ] || fail "data file has $rows year rows, expected 3001"
grep -q -a "Realistic, medium" "$work/run.txt" || fail "data file does not name the scenario"

# The graph as GIF, 847 x 162, one image.
[ -f "$work/graph.gif" ] || fail "no GIF written"
[ "$(identify -format '%w x %h' "$work/graph.gif")" = "847 x 162" ] || fail "GIF size $(identify -format '%w x %h' "$work/graph.gif")"
[ "$(giftext "$work/graph.gif" | grep -c 'Image #')" -eq 1 ] || fail "GIF does not hold exactly one image"

# The pyramid as EMF: decodes and holds text and rectangles.
[ -f "$work/pyramid.emf" ] || fail "no EMF written"
emf2svg-conv -i "$work/pyramid.emf" -o "$work/pyramid.svg" || fail "emf2svg-conv could not read the EMF"
grep -q "<rect\|<path" "$work/pyramid.svg" || fail "EMF holds no drawing"
grep -q "3000" "$work/pyramid.svg" || fail "EMF pyramid does not show year 3000"

# A few pixels of the screen: pyramid background, graph background, sea of the map.
pixel() {
  local x=$(( ox + $(px "$1") )) y=$(( oy + $(px "$2") ))
  convert "$work/screen.png" -format "%[fx:int(255*u.p{$x,$y}.r)],%[fx:int(255*u.p{$x,$y}.g)],%[fx:int(255*u.p{$x,$y}.b)]" info:
}
[ "$(pixel 12 400)" = "255,246,241" ] || fail "pyramid background at (12,400) is $(pixel 12 400)"
[ "$(pixel 12 420)" = "250,250,144" ] || fail "graph background at (12,420) is $(pixel 12 420)"
[ "$(pixel 458 179)" = "181,231,255" ] || fail "map corner at (458,179) is $(pixel 458 179), expected sea"
echo "e2e: 1 passed, 0 failed"
