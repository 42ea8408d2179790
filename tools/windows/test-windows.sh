#!/usr/bin/env bash
# `make windows-test`: the Windows program under Wine, compared with the
# Linux build byte for byte.
#
#   tools/windows/test-windows.sh HOST_BUILD_DIR WINDOWS_BUILD_DIR
#
# Unzips the package into a folder named in Chinese, prepares a private Wine
# prefix on a private X display, then runs the commands, the window and the
# installer. Prints each comparison; exits 1 on any difference.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
source "$here/wine-session.sh"
source "$here/test-cli.sh"
source "$here/test-window.sh"
source "$here/test-installer.sh"

host_build=$(cd "$1" && pwd)
windows_build=$(cd "$2" && pwd)
version=$(sed -n 's/^project(velmedit VERSION \([0-9.]*\).*/\1/p' "$velm_root/CMakeLists.txt")
zip=$windows_build/velmedit-$version-windows-x86_64.zip
setup=$windows_build/velmedit-$version-setup.exe
linux_exe=$host_build/src/velmedit
demo_dir=$host_build/demo
for needed in "$zip" "$setup" "$linux_exe" "$demo_dir/TPERSON.VMR" "$demo_dir/game"; do
  [ -e "$needed" ] || { echo "windows-test: $needed is missing" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/velmedit-windows-test.XXXXXX")
cleanup() {
  wine_session_stop
  rm -rf "$work"
}
trap cleanup EXIT

programs="$work/游戏 工具"
mkdir -p "$programs"
(cd "$programs" && cmake -E tar xf "$zip")
windows_exe="$programs/velmedit-$version-windows-x86_64/velmedit.exe"

echo "== the Windows program under Wine ($(wine --version 2>/dev/null)), from $zip"
wine_session_start "$work" || exit 1

echo "== commands without a window"
run_cli_tests
echo "== the window"
run_window_tests
run_settings_case
# The screenshots go beside the build; VELM_UPDATE_SCREENSHOTS=1 also
# replaces the copies in docs/screenshots/.
if [ -f "$work/windows-main.png" ] && [ -f "$work/windows-picker.png" ]; then
  mkdir -p "$windows_build/screenshots"
  cp "$work/windows-main.png" "$work/windows-picker.png" "$windows_build/screenshots/"
  echo "screenshots: $windows_build/screenshots/windows-main.png, windows-picker.png"
  if [ -n "${VELM_UPDATE_SCREENSHOTS:-}" ]; then
    cp "$work/windows-main.png" "$work/windows-picker.png" "$velm_root/docs/screenshots/"
  fi
fi
echo "== the installer"
run_installer_test "$setup" "$version"

failures=$((cli_failures + window_failures + installer_failures))
if [ "$failures" -ne 0 ]; then
  echo "windows-test: $failures difference(s) between the Windows and the Linux program" >&2
  [ -n "${VELM_KEEP_WINDOWS_TEST:-}" ] && trap - EXIT && echo "kept $work" >&2
  exit 1
fi
echo "windows-test: the Windows program behaves as the Linux one"
