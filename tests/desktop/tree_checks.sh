# The checks of an installed Vartel tree, shared by the install test and the package test. Source it after
# setting `prefix` (the folder holding bin/ and share/), `with_batch` (1 when vartel-batch is built) and
# `version` (the project's); failures go through a `fail` function of the caller.
app_id=org.example.Vartel
icon_sizes=(16 32 48 64 128 256)
desktop_file=share/applications/$app_id.desktop
metainfo_file=share/metainfo/$app_id.metainfo.xml
mime_file=share/mime/packages/$app_id-lesson.xml
manual_pages=(share/man/man1/vartel.1.gz)
if [ "$with_batch" = 1 ]; then manual_pages+=(share/man/man1/vartel-batch.1.gz); fi
doc_dir=share/doc/vartel

need_file() { [ -f "$prefix/$1" ] || fail "$1 is not installed"; }

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
  need_file "$mime_file"
  local size
  for size in "${icon_sizes[@]}"; do
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
    grep -qx 'Exec=vartel %f' "$prefix/$desktop_file" || fail "the desktop entry should start 'vartel' with a file"
    grep -qx 'MimeType=application/x-vartel-lesson;' "$prefix/$desktop_file" ||
      fail "the desktop entry should open lesson files"
    grep -qx "Icon=$app_id" "$prefix/$desktop_file" || fail "the desktop entry should show the icon $app_id"
    grep -qx 'StartupWMClass=Vartel' "$prefix/$desktop_file" ||
      fail "the desktop entry should match the window class 'Vartel' that the program's name gives"
  fi
  if [ -f "$prefix/$mime_file" ]; then
    grep -q '<mime-type type="application/x-vartel-lesson">' "$prefix/$mime_file" &&
      grep -q '<glob pattern="\*.vartel"/>' "$prefix/$mime_file" ||
      fail "the lesson type should be application/x-vartel-lesson for *.vartel"
  fi
  if [ -f "$prefix/$metainfo_file" ]; then
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo_file" ||
      fail "the metainfo should launch $app_id.desktop"
    grep -q "<id>$app_id</id>" "$prefix/$metainfo_file" || fail "the metainfo id should be $app_id"
    local newest
    newest=$(grep -o '<release version="[^"]*"' "$prefix/$metainfo_file" | head -n1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', the version is $version"
  fi

  # The manual pages and the changelog are compressed as Debian wants them; the changelog's newest entry
  # is this version.
  local page
  for page in "${manual_pages[@]}"; do
    need_file "$page"
    [ ! -f "$prefix/$page" ] || gzip -t "$prefix/$page" || fail "$page is not a gzip file"
  done
  need_file "$doc_dir/copyright"
  need_file "$doc_dir/changelog.gz"
  if [ -f "$prefix/$doc_dir/changelog.gz" ]; then
    local top
    top=$(gzip -dc "$prefix/$doc_dir/changelog.gz" | head -n1)
    [[ "$top" == "vartel ($version) "* ]] || fail "the changelog starts with '$top', not with version $version"
  fi
}

# Sets missing_validators to the validators that are not installed.
check_validators() {
  missing_validators=()
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/$desktop_file" || fail "desktop-file-validate rejects the desktop entry"
  else
    missing_validators+=(desktop-file-validate)
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/$metainfo_file" || fail "appstreamcli rejects the metainfo"
  else
    missing_validators+=(appstreamcli)
  fi
}
