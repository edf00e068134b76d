#!/usr/bin/env bash
# Builds the browser edition into OUT/site, static files only: the C libraries (OUT/deps, kept between
# builds), the WebAssembly module (OUT/wasm), the page's TypeScript, and the window's layout in English and
# Dutch as vartel-window-layout (from the normal build) writes it.
#   web/build-site.sh OUT VARTEL-WINDOW-LAYOUT
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
layout_tool=$(realpath "$2")
export NODE_PATH=/usr/share/nodejs

"$root/web/build-deps.sh" "$out/deps"

emcmake cmake -S "$root" -B "$out/wasm" -DCMAKE_BUILD_TYPE=Release -DVARTEL_WEB=ON \
  -DVARTEL_BUILD_TESTS=OFF -DVARTEL_BUILD_BENCH=OFF >"$out/wasm-configure.log"
cmake --build "$out/wasm" -j"$(nproc)"

[ -x "$root/web/node_modules/.bin/tsc" ] || (cd "$root/web" && npm ci --no-audit --no-fund)
tsc="$root/web/node_modules/.bin/tsc"
"$tsc" -p "$root/web/tsconfig.json" --outFile "$out/page/page.js"
"$tsc" -p "$root/web/tsconfig.worker.json" --outFile "$out/page/sw.js"

site="$out/site"
rm -rf "$site"
mkdir -p "$site"
cp "$root"/web/static/* "$out/page/page.js" "$out/page/sw.js" "$out/wasm/web/vartel.js" "$site/"
cp "$root/desktop/icons/scalable/org.example.Vartel.svg" "$site/vartel.svg"
cp "$root/desktop/icons/256x256/org.example.Vartel.png" "$site/vartel-256.png"
{
  echo "const VARTEL_LAYOUTS = {"
  echo '"en":'
  QT_QPA_PLATFORM=offscreen "$layout_tool" en
  echo ', "nl":'
  QT_QPA_PLATFORM=offscreen "$layout_tool" nl
  echo "};"
} >"$site/layout.js"
# The alarm inside a script rather than fetched, so that it plays from file:// too.
printf 'const VARTEL_ALARM_WAV = "%s";\n' "$(base64 -w0 "$root/resources/letop.wav")" >"$site/sound.js"

# What the service worker keeps: every file of the site, under a version that changes with their contents.
files=$(cd "$site" && ls | grep -v -x -e sw.js | sort)
version=$(cd "$site" && cat $files | sha256sum | cut -c1-16)
{
  printf 'const VARTEL_PRECACHE = { version: "%s", files: ["./"' "$version"
  for f in $files; do printf ', "%s"' "$f"; done
  printf '] };\n'
} >"$site/precache.js"
echo "build-site: $site ($(du -sk "$site" | cut -f1) KB)"
