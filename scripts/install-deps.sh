#!/usr/bin/env bash
# Installs the Debian 12 packages Velkar needs to build, test and look at its
# pictures. Safe to run again: only missing packages are fetched.
set -euo pipefail

packages=(
  # tool chain
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  # engine
  libeigen3-dev libcairo2-dev
  # GUI
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev python3-numpy python3-matplotlib
  # fonts: "Arial" resolves to the metric-compatible Liberation Sans
  fonts-liberation2 fontconfig
  # looking at pictures: EMF, SVG and PDF converters, a virtual screen
  emf2svg librsvg2-bin poppler-utils xvfb xdotool x11-apps openbox imagemagick
  # Czech locale for the decimal-comma tests
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number formatting tests need the Czech locale to exist.
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if [ -f /etc/locale.gen ]; then
    $sudo sed -i 's/^# *cs_CZ.UTF-8 UTF-8/cs_CZ.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
fi
