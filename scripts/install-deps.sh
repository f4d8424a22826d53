#!/usr/bin/env bash
# Installs the Debian 12 packages Corrolab needs to build, test and run, skipping
# those already there. Runs as root, or through sudo for another user.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libqt6svg6
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev # the polarization curve's plot, saved as PNG or SVG
  libgsl-dev # the polarization fits: GSL's nonlinear least squares
  libgtest-dev libgmock-dev
  libbenchmark-dev libx11-dev # the benchmarks (bench/), built by scripts/test.sh
  libmuparser-dev
  libzip-dev libexpat1-dev libcurl4-openssl-dev
  fonts-liberation2
  locales
  file librsvg2-bin desktop-file-utils appstream lintian
  python3 # the layers test reads every include
  units # GNU units: checks every catalogue definition; the command line is measured against it
)
packages+=("$@")

# shellcheck source=scripts/users.sh
source "$(dirname "$0")/users.sh"

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# A decimal-comma locale, so that the tests can show numbers read the same in it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: de_DE.UTF-8 could not be generated"
fi
