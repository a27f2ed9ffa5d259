#!/usr/bin/env bash
# Installs, with apt-get, only the packages this project needs that are missing.
# Safe to run again and again: when everything is present it does nothing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
  libgtest-dev
  xvfb xauth xdotool imagemagick
  libfreetype-dev fonts-dejavu-core libpng-dev libjpeg62-turbo-dev libpolyclipping-dev
  libcairo2-dev poppler-utils
  clang libclang-rt-14-dev
  desktop-file-utils appstream
  libebur128-dev
  build-essential dpkg-dev debhelper lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
