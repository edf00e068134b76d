#!/usr/bin/env bash
# Builds the C libraries the browser edition links, libjpeg-turbo and giflib, with emscripten from their
# Debian source packages (emscripten's own ports would download them, which cannot work here).
#   web/build-deps.sh DEST      installs into DEST/include and DEST/lib; does nothing when DEST already holds
#                               the libraries of the same source versions
set -euo pipefail
dest=$(realpath -m "$1")

export NODE_PATH=/usr/share/nodejs
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# apt-get source needs the source entries beside the binary ones of the machine's Debian sources.
sources=/etc/apt/sources.list.d/debian.sources
src_list=/etc/apt/sources.list.d/vartel-deb-src.sources
if [ -z "$(apt-cache showsrc giflib 2>/dev/null)" ]; then
  [ -f "$sources" ] || { echo "build-deps: $sources is missing; add a deb-src entry for Debian's sources" >&2; exit 1; }
  sed 's/^Types: deb$/Types: deb-src/' "$sources" | "${sudo_cmd[@]}" tee "$src_list" >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
fi

version() { apt-cache showsrc "$1" | awk '/^Version:/ && !v { v = $2 } END { print v }'; }
jpeg_version=$(version libjpeg-turbo)
gif_version=$(version giflib)
stamp="$dest/versions"
wanted="libjpeg-turbo $jpeg_version, giflib $gif_version, $(emcc --version | sed -n 1p)"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ] && [ -f "$dest/lib/libjpeg.a" ] && [ -f "$dest/lib/libgif.a" ]; then
  echo "build-deps: up to date ($wanted)"
  exit 0
fi

work="$dest/src"
rm -rf "$work" "$dest/include" "$dest/lib"
mkdir -p "$work" "$dest/include" "$dest/lib"
(cd "$work" && apt-get source -qq "libjpeg-turbo=$jpeg_version" "giflib=$gif_version" >/dev/null)

# libjpeg-turbo: the plain C code (no SIMD), static. Its configure step measures size_t wrongly for wasm32.
jpeg_src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
emcmake cmake -S "$jpeg_src" -B "$work/jpeg-build" -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=0 -DENABLE_SHARED=0 \
  -DWITH_TURBOJPEG=0 -DHAVE_SIZE_T=TRUE -DSIZE_T=4 -DCMAKE_INSTALL_PREFIX="$dest" \
  -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include >"$work/jpeg-configure.log"
cmake --build "$work/jpeg-build" -j"$(nproc)" --target jpeg-static >"$work/jpeg-build.log"
cp "$work/jpeg-build/libjpeg.a" "$dest/lib/"
cp "$jpeg_src"/{jpeglib.h,jmorecfg.h,jerror.h} "$work/jpeg-build/jconfig.h" "$dest/include/"

# giflib: its library sources as they are.
gif_src=$(find "$work" -maxdepth 1 -type d -name 'giflib-*' | head -n1)
mkdir -p "$work/gif-build"
for c in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
  emcc -O2 -c "$gif_src/$c.c" -o "$work/gif-build/$c.o"
done
emar rcs "$dest/lib/libgif.a" "$work/gif-build"/*.o
cp "$gif_src/gif_lib.h" "$dest/include/"

echo "$wanted" >"$stamp"
echo "build-deps: built $wanted into $dest"
