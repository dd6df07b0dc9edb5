#!/usr/bin/env bash
# Installs what building, running and testing Tarnwell needs on Debian 12, when run as root
# and something is missing. Anyone else gets the list to install.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core xvfb xauth ccache)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
