#!/bin/sh
# vartel --version and --help print and succeed with no display, which a window would need.
#   version_and_help.sh PROGRAM VERSION
set -u
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
fail() { echo "$*"; exit 1; }
out=$("$1" --version) || fail "--version ended with status $?"
[ "$out" = "vartel $2" ] || fail "--version printed '$out', expected 'vartel $2'"
out=$("$1" --help) || fail "--help ended with status $?"
case $out in
"Usage: vartel [--help | --version]"*"--version   the version of the program"*) ;;
*) fail "--help printed '$out'" ;;
esac
