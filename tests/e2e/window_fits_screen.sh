#!/usr/bin/env bash
# On a screen smaller than the window at the desktop's scale the whole window, title bar included, lies inside
# the screen, drawn at no less than one device pixel per logical pixel: Xvfb with openbox at 1920 x 1080 with
# QT_SCALE_FACTOR=1.75 and at 1280 x 800 with 1.25; at 1280 x 1024 with no scale the window keeps its size.
# Exit 77 (skipped) when Xvfb or openbox is missing.
#   window_fits_screen.sh VARTEL
set -uo pipefail
vartel=$1
fail() { echo "FAIL: $*"; exit 1; }
# shellcheck source=xvfb.sh
source "$(dirname "$0")/xvfb.sh"
for tool in Xvfb openbox xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Prints "x y width height" of a window's outermost frame (its ancestor below the root).
frame_of() {
  local id=$1 parent root
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  while :; do
    parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ { print $4 }')
    [ -z "$parent" ] || [ "$parent" = "$root" ] && break
    id=$parent
  done
  xwininfo -id "$id" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

check() { # WIDTH HEIGHT SCALE
  local width=$1 height=$2 scale=$3
  start_xvfb "${width}x${height}x24" 150 199
  openbox >"$work/openbox.log" 2>&1 &
  wm=$!
  sleep 1
  unset VARTEL_FITTED
  if [ "$scale" = 1 ]; then unset QT_SCALE_FACTOR; else export QT_SCALE_FACTOR=$scale; fi
  QT_QPA_PLATFORM=xcb LANGUAGE= LC_ALL=en_US.UTF-8 "$vartel" >"$work/vartel.log" 2>&1 &
  app=$!
  # The window of the last start (the program may start itself again at a scale that fits).
  local id="" previous=""
  for _ in $(seq 60); do
    sleep 0.5
    id=$(xdotool search --onlyvisible --name "Population Simulation" 2>/dev/null | tail -1)
    [ -n "$id" ] && [ "$id" = "$previous" ] && break
    previous=$id
  done
  [ -n "$id" ] || { cat "$work/vartel.log"; fail "no window at ${width}x${height}, scale $scale"; }
  sleep 1
  read -r x y w h < <(frame_of "$id")
  read -r cw ch < <(xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
  echo "${width}x${height} at $scale: frame ${w}x${h} at ($x, $y), client ${cw}x${ch}"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] && [ $((y + h)) -le "$height" ] ||
    fail "the window and its title bar leave the ${width}x${height} screen at scale $scale"
  [ "$cw" -ge 865 ] && [ "$ch" -ge 643 ] || fail "the window is drawn below one device pixel per pixel"
  if [ "$scale" = 1 ]; then
    [ "$cw" -eq 865 ] && [ "$ch" -eq 643 ] || fail "a window that fits keeps its size, not ${cw}x${ch}"
  fi
  # The client keeps the window's proportions: it is scaled as a whole.
  [ $(( (cw * 643 - ch * 865) * (cw * 643 - ch * 865) )) -le $(( (2 * 865) * (2 * 865) )) ] ||
    fail "the client ${cw}x${ch} is not the window scaled as a whole"
  kill "$app" "$wm" "$xvfb" 2>/dev/null
  wait "$app" "$wm" "$xvfb" 2>/dev/null
  app="" wm="" xvfb=""
}

check 1920 1080 1.75
check 1280 800 1.25
check 1280 1024 1
echo "PASS"
