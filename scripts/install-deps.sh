#!/usr/bin/env bash
# Installs whatever building and playing need (scripts/packages.txt) and, with
# the argument "test", what the tests add (scripts/packages-test.txt), where it
# is not there yet. Does nothing at all (no apt-get update, no sudo) when
# everything is installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$here/packages.txt")
[ "${1:-}" = test ] && lists+=("$here/packages-test.txt")

missing=()
while read -r pkg; do
  case "$pkg" in '' | '#'*) continue ;; esac
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$pkg")
done < <(cat "${lists[@]}")

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
