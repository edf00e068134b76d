#!/usr/bin/env bash
# Installs what is missing, builds the browser edition into build-web/site/ (static files only) and serves it
# at http://127.0.0.1:8080/ until stopped (Ctrl+C).
#   ./web.sh               build and serve
#   ./web.sh --build-only  only build
# The page's window is laid out by vartel-window-layout from the desktop window itself, so the desktop's
# build (build/) is made first.
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "") serve=true ;;
  --build-only) serve=false ;;
  *) echo "Usage: ./web.sh [--build-only]" >&2; exit 2 ;;
esac
dev/install-packages.sh
# npm comes with some builds of Node.js and as a package of its own with Debian's.
if ! command -v npm >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends npm
fi
(cd web && npm ci --no-audit --no-fund)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vartel-window-layout
web/build-site.sh build-web build/web/vartel-window-layout
if $serve; then
  echo "Serving the browser edition at http://127.0.0.1:8080/ (Ctrl+C stops)"
  exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
fi
