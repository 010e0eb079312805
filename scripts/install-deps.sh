#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need. Does nothing
# when every one of them is present already.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev libgl1-mesa-dev qt6-translations-l10n
  libcurl4-openssl-dev ca-certificates openssl
  libsodium-dev
  fonts-dejavu-core
  poppler-utils python3 python3-aiosmtpd
  xvfb xdotool x11-utils xdg-utils openbox
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
