#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run. Idempotent.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qtbase5-dev qtbase5-dev-tools qtpositioning5-dev qtmultimedia5-dev libqt5multimedia5-plugins
  libqt5opengl5-dev qttools5-dev qttools5-dev-tools
  libquazip1-qt5-dev libkissfft-dev zlib1g-dev
  libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libglx-mesa0 mesa-utils
  fonts-dejavu-core imagemagick
  qttranslations5-l10n fonts-wqy-microhei
  libqt5svg5-dev
  desktop-file-utils appstream lintian
  clang libclang-rt-14-dev llvm
  gdal-bin libgdal-dev
  python3-vtk9
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
