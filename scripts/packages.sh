#!/usr/bin/env bash
# Installs what Korvinth needs to build, run and test on Debian (run as root).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  fonts-liberation fonts-quattrocento
  libx11-dev xvfb xdotool x11-utils imagemagick openbox
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
