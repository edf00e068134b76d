#!/usr/bin/env bash
# Installs what is missing, builds Vartel and starts it.
set -euo pipefail
cd "$(dirname "$0")"
dev/install-packages.sh
cmake -S . -B build-app -DCMAKE_BUILD_TYPE=Release -DVARTEL_BUILD_TESTS=OFF -DVARTEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-app -j"$(nproc)" --target vartel vartel-batch
exec build-app/ui/vartel
