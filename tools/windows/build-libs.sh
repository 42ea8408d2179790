#!/usr/bin/env bash
# Builds the libraries velmedit links besides Qt, for Windows, once per
# machine: libcsv from Debian's source package and OpenCC (with marisa) from
# the npm registry's opencc package, both as static libraries. Prints the
# install prefix.
set -euo pipefail
source "$(dirname "$0")/common.sh"

opencc_version=1.1.8
csv_version=$(dpkg-query -W -f='${Version}' libcsv-dev 2>/dev/null || echo unknown)
prefix=$velm_cache/mingw-libs-csv${csv_version}-opencc${opencc_version}-$(velm_key "$0" "$velm_toolchain" "$velm_windows_tools/opencc/CMakeLists.txt")
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

velm_need "$velm_triple-g++-posix" g++-mingw-w64-x86-64-posix
velm_need npm npm
work=$velm_cache/work/libs
logs=$velm_cache/logs
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix/lib" "$prefix/include"

# libcsv: one C file and its header.
velm_step "fetch libcsv source" "$logs/libcsv-fetch.log" \
  bash "$velm_windows_tools/fetch-source.sh" libcsv "$work/src"
csv_dir=$(ls -d "$work"/src/libcsv-*/ | head -1)
velm_step "build libcsv" "$logs/libcsv-build.log" \
  bash -c "cd '$work' && $velm_triple-gcc-posix -O2 -c '$csv_dir/libcsv.c' -I '$csv_dir' -o libcsv.o &&
           $velm_triple-gcc-ar-posix rcs '$prefix/lib/libcsv.a' libcsv.o && cp '$csv_dir/csv.h' '$prefix/include/'"

# OpenCC: the npm package holds its C++ sources and bundled dependencies.
velm_step "fetch opencc from npm" "$logs/opencc-fetch.log" \
  bash -c "cd '$work' && npm pack --silent 'opencc@$opencc_version' && tar xzf 'opencc-$opencc_version.tgz'"
velm_step "configure opencc" "$logs/opencc-configure.log" \
  cmake -G Ninja -S "$velm_windows_tools/opencc" -B "$work/opencc-build" \
    -DCMAKE_TOOLCHAIN_FILE="$velm_toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DOPENCC_SOURCE="$work/package" -DOPENCC_VERSION="$opencc_version"
velm_step "build opencc" "$logs/opencc-build.log" cmake --build "$work/opencc-build" -j "$velm_jobs"
velm_step "install opencc" "$logs/opencc-install.log" cmake --install "$work/opencc-build"
mkdir -p "$prefix/licenses"
cp "$csv_dir/debian/copyright" "$prefix/licenses/libcsv.txt"
cp "$work/package/LICENSE" "$prefix/licenses/opencc.txt"
cp "$work/package/deps/marisa-0.2.6/COPYING.md" "$prefix/licenses/marisa-trie.txt"
# Debian's account of OpenCC's parts (darts-clone and rapidjson among them)
# and their licenses.
cp /usr/share/doc/libopencc1.1/copyright "$prefix/licenses/opencc-debian-copyright.txt"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
