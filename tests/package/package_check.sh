#!/usr/bin/env bash
# The Debian package as a classroom machine gets it: built by CPack, checked by lintian, installed with apt,
# both programs run from /usr/bin, the manual pages found, and removed again without a trace.
#   package_check.sh BUILD_DIR VERSION
# Needs root, since apt installs into the system (exit 77, skipped, otherwise). The system is changed only
# for the run: the package, and anything apt brought along with it, is purged again on every way out.
set -uo pipefail
build=$(cd "$1" && pwd) version=$2
here=$(cd "$(dirname "$0")" && pwd)
title="Vartel      -      Population Simulation"

skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing the package needs root (CI runs as root)"
for tool in apt-get dpkg-deb dpkg-query flock lintian man Xvfb xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# Two runs at once (from two build trees) would install and purge the same package under each other's
# feet: they take turns. The turn is a flock on the dpkg database's folder, which creates no file and which
# dpkg's own locks (fcntl, on files inside it) do not see.
exec 9</var/lib/dpkg
flock -w 1800 9 || skip "another run of this test held the turn for half an hour"
if dpkg-query -W -f='${Status}' vartel 2>/dev/null | grep -q 'ok installed'; then
  skip "a vartel package is installed already; this test installs and removes its own, so remove that one first"
fi

work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
stop() { echo "FAIL: $*"; exit 1; } # the checks after this one cannot run

brought=() app="" xvfb=""
# Purges what the install brought (as apt's plan listed it) that is installed now.
purge_brought() {
  local present=() package
  for package in "${brought[@]}"; do
    dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null | grep -q '^ii' && present+=("$package")
  done
  [ ${#present[@]} -eq 0 ] && return 0
  echo "removing: ${present[*]}"
  DEBIAN_FRONTEND=noninteractive timeout 600 apt-get purge -y -qq -o DPkg::Lock::Timeout=300 "${present[@]}" \
    >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; return 1; }
}
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  purge_brought
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# 1. The package, made the documented way.
timeout 1200 cmake --build "$build" --target package >"$work/package.log" 2>&1 ||
  { cat "$work/package.log"; stop "cmake --build $build --target package failed"; }
deb_name=vartel_${version}_$(dpkg --print-architecture).deb
deb=$build/$deb_name
[ -f "$deb" ] || stop "no $deb_name in $build"
[ "$(dpkg-deb -f "$deb" Package)" = vartel ] || fail "the package is not called vartel"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is $(dpkg-deb -f "$deb" Version), not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation libqt6widgets6 libqt6multimedia6 libjpeg62-turbo libgif7 libc6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done

# What it holds, by the same checks as an installed build tree.
mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
prefix=$work/root/usr with_batch=1
source "$here/../desktop/tree_checks.sh"
check_layout
unexpected=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '^\./usr/\(\(bin\|share\)/.*\)\?$' || true)
[ -z "$unexpected" ] || fail "files outside /usr/bin and /usr/share: $unexpected"

# 2. lintian's verdict. No error and no warning is accepted. Left as they are, at the level "info":
#    binary-has-unneeded-section .comment  CMake's strip keeps the compiler's version note; harmless.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }

# 3. Installed with apt, as a user would. apt's plan tells first what the install adds: only that is purged
# afterwards, and an install that would upgrade or remove an installed package is not made at all.
plan=$(cd "$build" && apt-get install -s -o DPkg::Lock::Timeout=300 "./$deb_name" 2>&1) ||
  { echo "$plan"; stop "apt-get cannot plan the install of ./$deb_name"; }
changes=$(awk '/^Inst [^ ]+ \[/ || /^Remv /' <<<"$plan")
[ -z "$changes" ] || stop "installing would change packages that are installed already: $changes"
mapfile -t brought < <(awk '/^Inst / { print $2 }' <<<"$plan")
[[ " ${brought[*]} " == *" vartel "* ]] || { echo "$plan"; stop "apt does not plan to install vartel"; }
(cd "$build" && DEBIAN_FRONTEND=noninteractive timeout 600 apt-get install -y -qq -o DPkg::Lock::Timeout=300 \
  "./$deb_name") >"$work/install.log" 2>&1 || { cat "$work/install.log"; stop "apt-get install ./$deb_name failed"; }
dpkg-query -W -f='${Status}' vartel | grep -q 'install ok installed' || stop "apt did not install vartel"
mapfile -t files < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')
for file in "${files[@]}"; do
  [ -f "$file" ] || fail "$file of the package is not on the system after the install"
done
[ "$(command -v vartel-batch)" = /usr/bin/vartel-batch ] || fail "vartel-batch is not found as /usr/bin/vartel-batch"

# The installed batch tool writes the same table as the build's. The table is dated; a run that crosses
# midnight is repeated.
for attempt in 1 2; do
  (cd "$work" && /usr/bin/vartel-batch --scenario 6 --data installed.txt) || fail "/usr/bin/vartel-batch failed"
  (cd "$work" && "$build/tools/vartel-batch" --scenario 6 --data built.txt) || fail "the build's vartel-batch failed"
  cmp -s "$work/installed.txt" "$work/built.txt" && break
  [ $attempt -eq 2 ] && { diff "$work/installed.txt" "$work/built.txt" | head -n 5; fail "the installed vartel-batch writes another table than the build's"; }
done
rows=$(awk -F'\t' 'NF == 14' "$work/installed.txt" | wc -l)
[ "$rows" -eq 3001 ] || fail "the installed vartel-batch wrote $rows year rows, expected 3001"

# The installed program on an X server of its own (a free display, whatever else runs) until its window
# maps. Its own home and runtime folder keep anything it might write out of the system.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ -s "$work/display" ]; then
  mkdir -m 700 "$work/home" "$work/runtime"
  # Once on an English desktop, once on a Dutch one: the translation is in the installed program.
  for desktop in "C.UTF-8:$title" "nl_NL.UTF-8:Vartel      -      Bevolkingssimulatie"; do
    lang=${desktop%%:*} expected=${desktop#*:}
    DISPLAY=:$(head -n1 "$work/display") HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb \
      LANGUAGE='' LC_ALL='' LC_MESSAGES='' LANG=$lang /usr/bin/vartel >"$work/vartel.log" 2>&1 &
    app=$!
    DISPLAY=:$(head -n1 "$work/display") timeout 60 xdotool search --sync --onlyvisible --limit 1 \
      --name "^${expected}\$" >"$work/window" 2>/dev/null
    [ -s "$work/window" ] || {
      cat "$work/vartel.log"
      fail "the installed vartel under LANG=$lang mapped no window titled '$expected'"
    }
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    app=""
  done
else
  cat "$work/xvfb.log"
  fail "Xvfb did not start"
fi

for page in vartel vartel-batch; do
  [ "$(man -w "$page" 2>/dev/null)" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page does not find the installed page"
done

# 4. Removed again: nothing of the package may be left.
purge_brought || fail "apt-get purge failed"
brought=()
if dpkg-query -W -f='${db:Status-Abbrev}' vartel 2>/dev/null | grep -q '^[a-z]i'; then
  fail "vartel is still installed after the purge"
fi
for file in "${files[@]}"; do
  [ ! -e "$file" ] || fail "$file is left after the purge"
done
[ ! -e /usr/share/doc/vartel ] || fail "/usr/share/doc/vartel is left after the purge"
man -w vartel-batch >/dev/null 2>&1 && fail "man still finds vartel-batch after the purge"

[ $failures -eq 0 ] || exit 1
echo "package: 1 passed, 0 failed"
