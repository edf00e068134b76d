#!/usr/bin/env bash
# Installs the Debian packages of packages.txt and web/packages.txt that are missing (as root, or through
# sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t wanted < <(cat packages.txt web/packages.txt | grep -v '^\s*#' | grep -v '^\s*$')
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
# The package lists are refreshed in any case: a fresh machine has none.
"${sudo_cmd[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A locale with a decimal comma, for the test that the program always uses a point; the Dutch and American
# ones, in which LibreOffice reads the workbook back.
for wanted_locale in de_DE nl_NL en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^${wanted_locale}\.utf-\?8$"; then
    "${sudo_cmd[@]}" sed -i "s/^# *${wanted_locale}.UTF-8 UTF-8/${wanted_locale}.UTF-8 UTF-8/" /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen >/dev/null
  fi
done
