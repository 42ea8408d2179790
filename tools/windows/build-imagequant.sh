#!/usr/bin/env bash
# Builds libimagequant (the palette quantizer that turns pictures into game
# faces) for Windows from Debian's source package, as a static library, once
# per machine. Prints the install prefix.
#
# A prefix of its own rather than a part of build-libs.sh's: this script can
# change without rebuilding OpenCC. Upstream's configure and Makefile do the
# work. SSE is on, as in Debian's amd64 build (every x86-64 processor has
# it); OpenMP is off, so the library needs no libgomp DLL and quantizes on
# one thread.
set -euo pipefail
source "$(dirname "$0")/common.sh"

version=$(dpkg-query -W -f='${Version}' libimagequant-dev 2>/dev/null || true)
if [ -z "$version" ]; then
  echo "make windows: libimagequant-dev is missing; run make deps" >&2
  exit 1
fi
prefix=$velm_cache/mingw-imagequant-${version}-$(velm_key "$0")
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

velm_need "$velm_triple-gcc-posix" gcc-mingw-w64-x86-64-posix
work=$velm_cache/work/imagequant
logs=$velm_cache/logs
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix/lib" "$prefix/include" "$prefix/licenses"

velm_step "fetch libimagequant source" "$logs/imagequant-fetch.log" \
  bash "$velm_windows_tools/fetch-source.sh" libimagequant "$work/src"
source_dir=$(ls -d "$work"/src/libimagequant-*/ | head -1)
velm_step "configure libimagequant" "$logs/imagequant-configure.log" \
  bash -c "cd '$source_dir' && ./configure --enable-sse CC=$velm_triple-gcc-posix"
velm_step "build libimagequant" "$logs/imagequant-build.log" \
  make -C "$source_dir" -j "$velm_jobs" static AR="$velm_triple-gcc-ar-posix" ARFLAGS=rcs
cp "$source_dir/libimagequant.a" "$prefix/lib/"
cp "$source_dir/libimagequant.h" "$prefix/include/"
# Debian's account of the copyright holders and licenses (GPL-3.0-or-later,
# with parts under an MIT-style license) and upstream's own notice.
cp "$source_dir/debian/copyright" "$prefix/licenses/libimagequant-debian-copyright.txt"
cp "$source_dir/COPYRIGHT" "$prefix/licenses/libimagequant-COPYRIGHT.txt"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
