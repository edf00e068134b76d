#!/bin/sh
# The Dutch translation is up to date and whole: lupdate over the sources changes nothing in the .ts (no
# text missing, none left over), no entry is unfinished, and lrelease reports every text finished.
#   translations_complete.sh LUPDATE LRELEASE TS_FILE SOURCES_LIST [LUPDATE_OPTION]...
set -u
lupdate=$1 lrelease=$2 ts=$3 sources=$4
shift 4
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d) || fail "no temporary folder"
trap 'rm -rf "$work"' EXIT

[ -s "$ts" ] || fail "$ts is missing or empty"
cp "$ts" "$work/current.ts"
"$lupdate" "$@" "@$sources" -ts "$work/current.ts" >"$work/lupdate.log" 2>&1 || {
  cat "$work/lupdate.log" >&2
  fail "lupdate failed"
}
if ! cmp -s "$ts" "$work/current.ts"; then
  diff -u "$ts" "$work/current.ts" | head -60 >&2
  fail "$ts is not up to date with the sources: run 'cmake --build build --target update_translations' and translate what is new"
fi
if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$ts" >&2; then
  fail "entries above have no finished Dutch translation"
fi
grep -c '<message>' "$ts" | { read -r n; [ "$n" -gt 0 ] || fail "no messages in $ts"; }
report=$("$lrelease" "$ts" -qm "$work/nl.qm" 2>&1) || fail "lrelease failed: $report"
echo "$report"
case $report in
*"(0 unfinished)"* | *" 0 unfinished"*) ;;
*) fail "lrelease reports unfinished texts: $report" ;;
esac
