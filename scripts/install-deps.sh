#!/usr/bin/env bash
# Installs whatever building and playing need (scripts/packages.txt) and, for
# each argument, what that group adds (scripts/packages-GROUP.txt: "windows"
# for the Windows program, "test" for the tests), where it is not there yet.
# Does nothing at all (no apt-get update, no sudo) when everything is installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$here/packages.txt")
for group in "$@"; do lists+=("$here/packages-$group.txt"); done

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
