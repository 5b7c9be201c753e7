#!/usr/bin/env bash
# Installs the Debian packages the platform needs to build, test and run,
# only those that are missing, so that a second run costs nothing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-gtk-platformtheme
  libgl-dev libx11-dev libx11-xcb-dev libxcb1-dev libgtest-dev googletest
  fonts-noto-cjk fontconfig
  xvfb x11-utils xdg-utils time
  libarchive-dev libarchive-tools
  thunar openbox
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
