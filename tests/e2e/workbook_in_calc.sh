#!/usr/bin/env bash
# LibreOffice Calc reads vartel-batch's workbook as numbers under Dutch and American settings: the first sheet,
# converted to text, shows every figure of the spreadsheet file, with the decimal separator of the settings,
# which a number cell takes and a text cell would not. Exit 77 (skipped) without soffice.
#   workbook_in_calc.sh VARTEL_BATCH
set -uo pipefail
batch=$1
fail() { echo "FAIL: $*"; exit 1; }
for tool in soffice python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (Debian: libreoffice-calc-nogui)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An epidemic gives the large replacement birth indexes, emigration the negative percentages.
run=(--scenario 6 --years 300 --event 40:epidemic --event 100:immigration=-1.5)
"$batch" "${run[@]}" --data "$work/run.xlsx" || fail "vartel-batch could not write the workbook"
"$batch" "${run[@]}" --data "$work/run.csv" || fail "vartel-batch could not write the spreadsheet file"

for settings in nl_NL.UTF-8 en_US.UTF-8; do
  out="$work/$settings"
  mkdir -p "$out"
  # Semicolons between the fields, so that a decimal comma is not a field separator; UTF-8.
  LC_ALL=$settings LANG=$settings LANGUAGE= timeout 240 soffice -env:UserInstallation="file://$work/profile-$settings" \
    --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76,1' --outdir "$out" "$work/run.xlsx" \
    >"$out/soffice.log" 2>&1 || { cat "$out/soffice.log"; fail "soffice could not convert the workbook under $settings"; }
  [ -s "$out/run.csv" ] || { cat "$out/soffice.log"; fail "soffice wrote no text under $settings"; }
  separator=.
  [ "$settings" = nl_NL.UTF-8 ] && separator=,
  python3 - "$work/run.csv" "$out/run.csv" "$separator" "$settings" <<'PY' || exit 1
import csv, sys
ours, calcs, separator, settings = sys.argv[1:]
with open(ours, newline='', encoding='utf-8') as f:
    expected = list(csv.reader(f))
with open(calcs, newline='', encoding='utf-8') as f:
    shown = list(csv.reader(f, delimiter=';'))
if len(shown) != len(expected):
    sys.exit(f"FAIL: {settings}: {len(shown)} rows in Calc, {len(expected)} in the spreadsheet file")
if shown[0][:14] != expected[0]:
    sys.exit(f"FAIL: {settings}: header {shown[0]} instead of {expected[0]}")
decimals = 0
for number, (row, want) in enumerate(zip(shown[1:], expected[1:])):
    for column in range(13):
        cell, figure = row[column], want[column]
        if '.' in figure:
            decimals += 1
            # A number cell shows the settings' separator; a text cell would keep the file's point.
            if cell != figure.replace('.', separator):
                sys.exit(f"FAIL: {settings}: year {number}, column {expected[0][column]}: Calc shows "
                         f"{cell!r}, expected the number {figure} as {figure.replace('.', separator)!r}")
        elif cell != figure:
            sys.exit(f"FAIL: {settings}: year {number}, column {expected[0][column]}: {cell!r} for {figure!r}")
    if row[13] != want[13]:
        sys.exit(f"FAIL: {settings}: year {number}: the bulletin {row[13]!r} for {want[13]!r}")
print(f"{settings}: {len(shown) - 1} years, {decimals} decimal figures read as numbers")
PY
done
echo "PASS"
