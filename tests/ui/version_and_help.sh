#!/bin/sh
# vartel --version and --help: their texts and status 0, with no display, which a window would need.
#   version_and_help.sh PROGRAM VERSION
set -u
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

fail() { echo "$*"; exit 1; }

out=$("$program" --version) || fail "--version ended with status $?"
[ "$out" = "vartel $version" ] || fail "--version printed '$out', expected 'vartel $version'"

out=$("$program" --help) || fail "--help ended with status $?"
case $out in
"Usage: vartel [--help | --version]"*) ;;
*) fail "--help printed '$out'" ;;
esac
case $out in
*"--version   the version of the program"*) ;;
*) fail "--help does not explain --version: '$out'" ;;
esac
echo "vartel --version and --help answer without a display"
