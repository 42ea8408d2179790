#!/usr/bin/env bash
# Builds Qt (QtCore, QtGui, QtWidgets, the Windows platform plugin, the
# Windows styles and the JPEG and GIF image plugins) for Windows from
# Debian's qt6-base source package, with the host's Qt tools
# (QT_HOST_PATH=/usr), once per machine. Prints the install prefix.
set -euo pipefail
source "$(dirname "$0")/common.sh"

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$version" ]; then
  echo "make windows: the host Qt (qt6-base-dev) is missing; run make deps" >&2
  exit 1
fi
prefix=$velm_cache/mingw-qt-${version}-$(velm_key "$0" "$velm_toolchain")
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

velm_need "$velm_triple-g++-posix" g++-mingw-w64-x86-64-posix
work=$velm_cache/work/qt
logs=$velm_cache/logs
rm -rf "$work" "$prefix"
mkdir -p "$work"
echo "Building Qt $version for Windows (about 20 minutes on 2 cores; once per machine)" >&2
velm_step "fetch qt6-base source" "$logs/qt-fetch.log" \
  bash "$velm_windows_tools/fetch-source.sh" qt6-base "$work/src"
source_dir=$(ls -d "$work"/src/qt6-base-*/ | head -1)

# Debian's source lacks wintab.h, hence no tablet events. OpenGL stays on:
# the Windows plugin of Qt 6.4 does not compile without it (its dynamic
# OpenGL loads opengl32.dll only when asked). Every third-party library is
# Qt's bundled copy.
features=(
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_opengl=ON -DFEATURE_opengl_dynamic=ON -DFEATURE_vulkan=OFF
  -DFEATURE_zstd=OFF -DFEATURE_glib=OFF -DFEATURE_openssl=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_imageformat_jpeg=ON -DFEATURE_gif=ON
  -DFEATURE_ico=ON
)
velm_step "configure Qt" "$logs/qt-configure.log" \
  cmake -G Ninja -S "$source_dir" -B "$work/build" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$velm_toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_MANUAL_TESTS=OFF \
    "${features[@]}"
start=$(date +%s)
velm_step "build Qt" "$logs/qt-build.log" cmake --build "$work/build" -j "$velm_jobs"
velm_step "install Qt" "$logs/qt-install.log" cmake --install "$work/build"
rm -rf "$work"
touch "$prefix/.complete"
echo "Qt built in $(( ($(date +%s) - start) / 60 )) minutes" >&2
echo "$prefix"
