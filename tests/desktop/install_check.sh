#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
#   install_check.sh BUILD_DIR WITH_BATCH VERSION layout    programs, desktop entry, metainfo, every icon
#                                                           size, manual pages, copyright and changelog
#   install_check.sh BUILD_DIR WITH_BATCH VERSION validate  the desktop entry and the metainfo pass their
#                                                           validators
# Exit 77 (skipped) when a validator is not installed.
set -euo pipefail
build=$1 with_batch=$2 version=$3 mode=$4

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
source "$(dirname "$0")/tree_checks.sh"

case $mode in
  layout) check_layout ;;
  validate)
    check_validators
    if [ $failures -eq 0 ] && [ ${#missing_validators[@]} -gt 0 ]; then
      echo "SKIP: not installed: ${missing_validators[*]}"
      exit 77
    fi
    ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
[ $failures -eq 0 ] || exit 1
echo "install $mode: all checks passed"
