#!/usr/bin/env bash
# `make windows`: Qt and the libraries for Windows (built once per machine
# into ~/.cache/velmedit), then velmedit.exe, the zip and the installer.
#
#   tools/windows/make-windows.sh HOST_BUILD_DIR OUT_DIR
#
# HOST_BUILD_DIR is a configured Linux build of velmedit whose gen_app_icon
# draws the program's icon.
set -euo pipefail
source "$(dirname "$0")/common.sh"

host_build=$1 out=$2
mkdir -p "$out"
out=$(cd "$out" && pwd)
start=$(date +%s)
version=$(sed -n 's/^project(velmedit VERSION \([0-9.]*\).*/\1/p' "$velm_root/CMakeLists.txt")

velm_need "$velm_triple-g++-posix" g++-mingw-w64-x86-64-posix
velm_need makensis nsis
velm_need npm npm
velm_need dpkg-source dpkg-dev

qt=$(bash "$velm_windows_tools/build-qt.sh")
libs=$(bash "$velm_windows_tools/build-libs.sh")
imagequant=$(bash "$velm_windows_tools/build-imagequant.sh")
velm_step "draw the icon" "$out/icon.log" \
  bash -c "cmake --build '$host_build' --target gen_app_icon && '$host_build/tools/gen_app_icon' --ico '$out/velmedit.ico'"
bash "$velm_windows_tools/build-velmedit.sh" "$qt" "$libs;$imagequant" "$out/velmedit.ico" "$out/build"
bash "$velm_windows_tools/package.sh" "$qt" "$libs;$imagequant" "$out/build/src/velmedit.exe" "$out" "$version"
echo "make windows: done in $(( $(date +%s) - start )) s"
