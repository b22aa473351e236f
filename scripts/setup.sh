#!/usr/bin/env bash
# Installs everything the runtime, the game, the tools and the tests need on Debian 12.
# Idempotent: when every package is present it does nothing and returns at once.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git python3
  libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev liblzo2-dev libfreetype-dev
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  fonts-freefont-ttf timgm6mb-soundfont fluidsynth
  libgl-dev libgl1-mesa-dri libx11-dev mesa-utils xvfb xdotool x11-utils
  libcurl4-openssl-dev openssl
  libgtest-dev libgmock-dev libbenchmark-dev libboost-graph-dev clang-format
  clang libclang-rt-14-dev
  dpkg-dev lintian doxygen
  emscripten autoconf automake libtool autotools-dev chromium
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
