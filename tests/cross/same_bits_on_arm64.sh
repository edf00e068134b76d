#!/usr/bin/env bash
# Builds the Qt-free parts for arm64 with Debian's cross compiler, runs them under qemu-aarch64 beside this
# machine's build and compares what both write, byte for byte.
# Usage: same_bits_on_arm64.sh [NATIVE_BUILD_DIR [ARM64_BUILD_DIR]]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
native=$(cd "${1:-$root/build}" && pwd)
mkdir -p "${2:-$root/build-arm64}"
cross=$(cd "${2:-$root/build-arm64}" && pwd)

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$cross" -DCMAKE_TOOLCHAIN_FILE="$root/dev/aarch64-linux-gnu.cmake" -DVARTEL_CORE_ONLY=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
# The programs compared; each must build without Qt.
targets=(vartel_core_dump)
cmake --build "$cross" -j"$(nproc)" --target "${targets[@]}" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# One comparison: a program of both builds (its path inside the build folder) run with the same arguments
# in empty folders of their own; its standard output and every file it writes must be the same.
compare() { # name, program, arguments...
  local name=$1 program=$2
  shift 2
  mkdir -p "$work/x86-64/$name" "$work/arm64/$name"
  if ! (cd "$work/x86-64/$name" && "$native/$program" "$@" >stdout) ||
    ! (cd "$work/arm64/$name" && qemu-aarch64 "$cross/$program" "$@" >stdout); then
    echo "$name: FAILED to run"
    failed=1
    return
  fi
  if diff -rq "$work/x86-64/$name" "$work/arm64/$name" >/dev/null; then
    echo "$name: the same bytes"
  else
    local lines
    lines=$(diff "$work/x86-64/$name/stdout" "$work/arm64/$name/stdout" | grep -c '^<' || true)
    echo "$name: DIFFERENT ($lines lines of the output differ)"
    diff -rq "$work/x86-64/$name" "$work/arm64/$name" || true
    failed=1
  fi
}

# One line per run and year: 7 golden scenarios and the scripted runs, years 0..3000.
compare model-bits tests/cross/vartel_core_dump
# Once vartel-batch builds without Qt, add it to `targets` and compare its files the same way, e.g.
#   compare batch-medium tools/vartel-batch --scenario 6 --data medium.txt --graph graph.gif --pyramid p.jpg

exit $failed
