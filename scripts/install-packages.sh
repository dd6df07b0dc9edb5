#!/usr/bin/env bash
# Installs what building, running and testing Tarnwell needs on Debian 12, when run as root
# and something is missing. Anyone else gets the list to install.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core xvfb xauth ccache locales
          xdg-utils poppler-utils)
packages+=(nlohmann-json3-dev)
packages+=(libcurl4-openssl-dev libsodium-dev pkg-config minisign python3 openssl)
# Qt's own texts of its dialogs (Open, Save, Cancel, ...) in the program's languages.
packages+=(qt6-translations-l10n)
# Checking the installation and building the Debian package.
packages+=(desktop-file-utils appstream shared-mime-info libglib2.0-bin xdg-utils file dpkg-dev)
# The documentation pictures: PDF pages as pictures, reduced to a palette.
packages+=(imagemagick)
# The sanitizer build and the fuzz targets.
packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The tests also run on a decimal-comma machine: the German locale must be generated.
has_german() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }
if [ ${#missing[@]} -eq 0 ] && has_german; then exit 0; fi
if [ "$(id -u)" -ne 0 ]; then
  [ ${#missing[@]} -eq 0 ] || {
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  }
  has_german || echo "Generate the locale de_DE.UTF-8 (in /etc/locale.gen, then locale-gen)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
if ! has_german; then
  sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi
