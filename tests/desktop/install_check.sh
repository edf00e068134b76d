#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
#   install_check.sh BUILD_DIR WITH_BATCH layout    programs, desktop entry, metainfo, every icon size
#   install_check.sh BUILD_DIR WITH_BATCH validate  the desktop entry and the metainfo pass their validators
# Exit 77 (skipped) when a validator is not installed.
set -euo pipefail
build=$1 with_batch=$2 mode=$3
app_id=org.example.Vartel
sizes=(16 32 48 64 128 256)

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need_file() { [ -f "$prefix/$1" ] || fail "$1 is not installed"; }

desktop_file=share/applications/$app_id.desktop
metainfo_file=share/metainfo/$app_id.metainfo.xml

png_size() { # width and height from the IHDR chunk, or nothing when the file is no PNG
  local signature
  signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  [ "$signature" = 89504e470d0a1a0a ] || return 0
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}

check_layout() {
  [ -x "$prefix/bin/vartel" ] || fail "bin/vartel is not installed as an executable"
  if [ "$with_batch" = 1 ]; then
    [ -x "$prefix/bin/vartel-batch" ] || fail "bin/vartel-batch is not installed as an executable"
  fi
  need_file "$desktop_file"
  need_file "$metainfo_file"
  for size in "${sizes[@]}"; do
    local icon=share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ ! -f "$prefix/$icon" ]; then
      fail "$icon is not installed"
      continue
    fi
    local found
    found=$(png_size "$prefix/$icon")
    [ "$found" = "$size $size" ] || fail "$icon should be a ${size}x${size} PNG, found '${found:-no PNG}'"
  done
  local svg=share/icons/hicolor/scalable/apps/$app_id.svg
  need_file "$svg"
  [ ! -f "$prefix/$svg" ] || grep -q '<svg ' "$prefix/$svg" || fail "$svg holds no SVG element"

  # The pieces must name one another: the entry starts the installed program and shows the installed
  # icon, the metainfo launches the installed entry.
  if [ -f "$prefix/$desktop_file" ]; then
    grep -qx 'Exec=vartel' "$prefix/$desktop_file" || fail "the desktop entry should start 'vartel'"
    grep -qx "Icon=$app_id" "$prefix/$desktop_file" || fail "the desktop entry should show the icon $app_id"
    grep -qx 'StartupWMClass=Vartel' "$prefix/$desktop_file" ||
      fail "the desktop entry should match the window class 'Vartel' that the program's name gives"
  fi
  if [ -f "$prefix/$metainfo_file" ]; then
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo_file" ||
      fail "the metainfo should launch $app_id.desktop"
    grep -q "<id>$app_id</id>" "$prefix/$metainfo_file" || fail "the metainfo id should be $app_id"
  fi
}

check_validators() {
  local missing=()
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/$desktop_file" || fail "desktop-file-validate rejects the desktop entry"
  else
    missing+=(desktop-file-validate)
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/$metainfo_file" || fail "appstreamcli rejects the metainfo"
  else
    missing+=(appstreamcli)
  fi
  if [ $failures -eq 0 ] && [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: not installed: ${missing[*]}"
    exit 77
  fi
}

case $mode in
  layout) check_layout ;;
  validate) check_validators ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
[ $failures -eq 0 ] || exit 1
echo "install $mode: all checks passed"
