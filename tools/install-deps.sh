#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Quick when everything is already there: only missing packages go to apt-get.
#
#   tools/install-deps.sh [windows] [windows-test]
#
# "windows" adds what the Windows build needs besides the cross compiler (the
# installer's NSIS), "windows-test" what its tests under Wine need.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  unicode-data libbz2-dev fonts-arphic-uming
  clang ccache libfuzzer-14-dev
  opencc libopencc-dev
  qt6-translations-l10n desktop-file-utils dpkg-dev file
  libcsv-dev rapidjson-dev libimagequant-dev
  libreoffice-calc-nogui
  g++-mingw-w64-x86-64-posix
)
for group in "$@"; do
  case $group in
    windows) PACKAGES+=(nsis) ;;
    windows-test) PACKAGES+=(wine wine64 xvfb xauth xdotool imagemagick fonts-wqy-microhei) ;;
    *) echo "install-deps: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
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
