# Sourced by the end-to-end scripts: start_xvfb SCREEN FIRST LAST starts an Xvfb with the screen WIDTHxHEIGHTxDEPTH
# on the first free display number from FIRST to LAST (each script its own range, so that parallel tests do not
# race for one), exports DISPLAY and sets `xvfb` to its process. Exits 77 (skipped) when none can be started.
# Needs `work` (a scratch folder) and xdotool.
start_xvfb() {
  local screen=$1 first=$2 last=$3 display="" n
  for n in $(seq "$first" "$last"); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "SKIP: no free display number"; exit 77; }
  Xvfb "$display" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "SKIP: Xvfb did not start"; cat "$work/xvfb.log"; exit 77; }
}
