#!/usr/bin/env bash
# Cross-builds velmedit.exe against the Windows Qt and libraries.
#
#   tools/windows/build-velmedit.sh QT_PREFIX LIBS_PREFIXES ICON BUILD_DIR
#
# LIBS_PREFIXES: the install prefixes of the libraries besides Qt, separated
# by ';' (CMake's list), where find_path and find_library look.
#
# The build folder is kept between runs, so a second run only compiles what
# changed.
set -euo pipefail
source "$(dirname "$0")/common.sh"

qt=$1 libs=$2 icon=$3 build=$4
# A build made against other library builds starts afresh: CMake would keep
# their old paths in its cache.
if [ -f "$build/.libraries" ] && [ "$(cat "$build/.libraries")" != "$qt;$libs" ]; then rm -rf "$build"; fi
mkdir -p "$build"
echo "$qt;$libs" >"$build/.libraries"
# RapidJSON is headers only and the same for every platform: Debian's, in a
# folder of its own (MinGW must not see the rest of /usr/include).
mkdir -p "$build/include"
ln -sfn /usr/include/rapidjson "$build/include/rapidjson"

velm_step "configure velmedit for Windows" "$build/configure.log" \
  cmake -G Ninja -S "$velm_root" -B "$build" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$velm_toolchain" \
    "-DVELM_MINGW_PREFIXES=$qt;$libs" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DVELM_WERROR=ON -DVELM_TESTS=OFF -DVELM_BENCH=OFF \
    -DVELM_RAPIDJSON_INCLUDE_DIR="$build/include" \
    -DVELM_APP_ICON="$icon"
velm_step "build velmedit.exe" "$build/build.log" cmake --build "$build" -j "$velm_jobs" --target velmedit
