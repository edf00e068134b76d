#!/bin/sh
# vartel --version and --help print and succeed with no display, which a window would need; a bad --lang
# is refused before any window, with status 2.
#   version_and_help.sh PROGRAM VERSION
set -u
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
fail() { echo "$*"; exit 1; }
out=$("$1" --version) || fail "--version ended with status $?"
[ "$out" = "vartel $2" ] || fail "--version printed '$out', expected 'vartel $2'"
out=$("$1" --help) || fail "--help ended with status $?"
case $out in
"Usage: vartel [--lang nl|en]"*"--lang nl   the windows in Dutch"*"--version   the version of the program"*) ;;
*) fail "--help printed '$out'" ;;
esac
for bad in "--lang de" "--lang" "--lang=NL"; do
  # shellcheck disable=SC2086
  err=$("$1" $bad 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 2 ] || fail "'$bad' ended with status $status, expected 2"
  case $err in
  "vartel: "*"--lang"*) ;;
  *) fail "'$bad' printed '$err' on stderr" ;;
  esac
done
