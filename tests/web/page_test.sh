#!/usr/bin/env bash
# Builds the browser edition into OUT/site and drives it in headless Chromium (page_test.js). Exit 77
# (skipped) when the browser, emscripten or the fake clock is not installed.
#   page_test.sh VARTEL-WINDOW-LAYOUT VARTEL-BATCH OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
for tool in chromium emcc node npm faketime python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$root/web/node_modules/.bin/tsc" ] || (cd "$root/web" && npm ci --no-audit --no-fund)
"$root/web/build-site.sh" "$3" "$1"
# The page's own code is type-checked as it is built; the service worker's too.
"$root/web/node_modules/.bin/tsc" -p "$root/web/tsconfig.json" --noEmit
"$root/web/node_modules/.bin/tsc" -p "$root/web/tsconfig.worker.json" --noEmit
NODE_PATH="$root/web/node_modules" node "$here/page_test.js" "$(realpath "$3")/site" "$2"
