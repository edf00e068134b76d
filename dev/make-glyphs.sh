#!/usr/bin/env bash
# Makes resources/glyphs/glyphs.bin, the letters the raster canvas draws, from the installed Liberation
# fonts through Qt (dev/glyphs/GlyphMaker.cpp). Run it after changing the fonts or sizes the views use, and
# commit the result: the program then draws the same letters on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DVARTEL_GLYPH_MAKER=ON >/dev/null
cmake --build "$build" --target vartel_glyph_maker -j2
mkdir -p resources/glyphs
QT_QPA_PLATFORM=offscreen "$build"/dev/glyphs/vartel_glyph_maker resources/glyphs/glyphs.bin
