#!/usr/bin/env bash
# Installs the Debian packages of the groups named as arguments, where they
# are not there yet: scripts/packages-GROUP.txt for each ("play" to build and
# play the Qt program, "windows" to cross-build the Windows one, "package" to
# pack the .deb, "test" for the tests). Updates the package lists first and
# uses sudo when not run as root; does nothing at all when everything is installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=()
for group in "$@"; do lists+=("$here/packages-$group.txt"); done
[ ${#lists[@]} -gt 0 ] || exit 0

missing=()
while read -r pkg; do
  case "$pkg" in '' | '#'*) continue ;; esac
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$pkg")
done < <(cat "${lists[@]}")

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "Installing needs root: run this as root, or install sudo first." >&2
    exit 1
  }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
