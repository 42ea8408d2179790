#!/usr/bin/env bash
# Gathers velmedit.exe and everything it needs into one folder, checks that
# every DLL it imports is either there or a part of Windows, and writes the
# zip and the installer.
#
#   tools/windows/package.sh QT_PREFIX LIBS_PREFIXES EXE OUT_DIR VERSION
#
# LIBS_PREFIXES as for build-velmedit.sh; each one's licenses/ is shipped.
#
# Writes OUT_DIR/velmedit-VERSION-windows-x86_64.zip and
# OUT_DIR/velmedit-VERSION-setup.exe; each is written under a temporary name
# and renamed when complete, so a failure leaves no half-written file.
set -euo pipefail
source "$(dirname "$0")/common.sh"

qt=$1 lib_prefixes=$2 exe=$3 out=$(cd "$4" && pwd) version=$5
name=velmedit-$version-windows-x86_64
stage=$out/stage/$name
rm -rf "$out/stage"
mkdir -p "$stage"/{platforms,styles,imageformats,translations,opencc,licenses}

cp "$exe" "$stage/"
cp "$qt"/bin/Qt6Core.dll "$qt"/bin/Qt6Gui.dll "$qt"/bin/Qt6Widgets.dll "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt"/plugins/imageformats/{qjpeg,qgif,qico}.dll "$stage/imageformats/"
gcc_dir=$(dirname "$("$velm_triple-g++-posix" -print-libgcc-file-name)")
cp "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll" "/usr/$velm_triple/lib/libwinpthread-1.dll" "$stage/"
# Qt's own dialog texts in Chinese, found through qt.conf beside the program.
cp /usr/share/qt6/translations/qtbase_zh_CN.qm /usr/share/qt6/translations/qtbase_zh_TW.qm "$stage/translations/"
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
# OpenCC's simplified -> traditional (Taiwan) configuration and dictionaries.
cp /usr/share/opencc/{s2tw.json,STPhrases.ocd2,STCharacters.ocd2,TWVariants.ocd2} "$stage/opencc/"
cp "$velm_root/README.md" "$velm_root/LICENSE" "$stage/"

licenses=$stage/licenses
cp "$velm_root/LICENSE" "$licenses/velmedit-GPL-3.0-or-later.txt"
cp /usr/share/doc/libqt6core6/copyright "$licenses/qt6-base-debian-copyright.txt"
cp /usr/share/common-licenses/LGPL-3 "$licenses/qt6-LGPL-3.0.txt"
cp /usr/share/common-licenses/GPL-3 "$licenses/qt6-GPL-3.0.txt"
cp /usr/share/doc/qt6-translations-l10n/copyright "$licenses/qt6-translations-debian-copyright.txt"
IFS=';' read -r -a prefixes <<<"$lib_prefixes"
for prefix in "${prefixes[@]}"; do cp "$prefix"/licenses/* "$licenses/"; done
cp /usr/share/common-licenses/LGPL-2.1 "$licenses/libcsv-LGPL-2.1.txt"
cp /usr/share/common-licenses/Apache-2.0 "$licenses/opencc-Apache-2.0.txt"
cp /usr/share/common-licenses/GPL-3 "$licenses/libimagequant-GPL-3.0.txt"
cp /usr/share/doc/libopencc-data/copyright "$licenses/opencc-data-debian-copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$licenses/mingw-gcc-runtime-debian-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$licenses/mingw-w64-winpthreads-debian-copyright.txt"
cp /usr/share/doc/rapidjson-dev/copyright "$licenses/rapidjson-debian-copyright.txt"

# Debug symbols stay in the build; the package carries none.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec "$velm_triple-strip" --strip-unneeded {} +

# Every imported DLL must lie beside the program or be a part of Windows.
system_dlls='^(kernel32|user32|gdi32|gdiplus|advapi32|shell32|shlwapi|ole32|oleaut32|comdlg32|comctl32|imm32|winmm|ws2_32|version|uxtheme|dwmapi|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|setupapi|userenv|netapi32|mpr|winspool\.drv|rpcrt4|msvcrt|authz|wtsapi32|shcore|api-ms-win-.*)\.dll$'
missing=()
while IFS= read -r -d '' binary; do
  while read -r dll; do
    lower=${dll,,}
    [[ $lower =~ $system_dlls ]] && continue
    [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ] || missing+=("$(basename "$binary") needs $dll")
  done < <("$velm_triple-objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$stage" \( -name '*.exe' -o -name '*.dll' \) -print0)
if [ ${#missing[@]} -ne 0 ]; then
  printf 'make windows: %s, which the package lacks\n' "${missing[@]}" >&2
  exit 1
fi
if "$velm_triple-objdump" -p "$stage"/*.dll "$stage/velmedit.exe" | grep -qi 'DLL Name:.*icu'; then
  echo "make windows: a DLL imports ICU" >&2
  exit 1
fi

zip=$out/$name.zip
rm -f "$zip.tmp"
(cd "$out/stage" && cmake -E tar cf "$zip.tmp" --format=zip "$name")
mv "$zip.tmp" "$zip"
echo "$zip"

setup=$out/velmedit-$version-setup.exe
rm -f "$setup.tmp"
velm_step "build the installer" "$out/installer.log" \
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DICON="$out/velmedit.ico" -DOUTFILE="$setup.tmp" \
    "$velm_root/packaging/windows/installer.nsi"
mv "$setup.tmp" "$setup"
echo "$setup"
