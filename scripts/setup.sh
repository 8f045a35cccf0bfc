#!/usr/bin/env bash
# Installs everything the program, its tests, benchmarks and fuzz targets need (Debian 12).
set -euo pipefail
packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev libcurl4-openssl-dev libssl-dev libjpeg62-turbo-dev
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libx11-dev
  xvfb xauth x11-utils xdotool imagemagick fonts-noto-cjk xdg-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -eq 0 ]] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
