#!/usr/bin/env bash
# Installs the Debian packages the editor and its tests need; does nothing when all are present.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config
  libwxgtk3.2-dev wx-common wx3.2-i18n
  libgl1-mesa-dev libglu1-mesa-dev freeglut3-dev libegl-dev libgl2ps-dev libtinygltf-dev
  poppler-utils libxml2-utils imagemagick assimp-utils
  libgtest-dev libbenchmark-dev
  xvfb xauth
  desktop-file-utils shared-mime-info xdotool
  clang-14 libclang-rt-14-dev
  util-linux
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
