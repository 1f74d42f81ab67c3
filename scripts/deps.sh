#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build, the tests and the
# window need and this machine does not have yet.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-noto-cjk
  clang libclang-rt-14-dev
  xvfb xauth imagemagick desktop-file-utils dpkg-dev file
  time x11-utils libxdamage-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
