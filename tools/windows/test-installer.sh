# The installer under Wine: a silent install into Program Files, the
# installed program's --version, a silent uninstall that leaves no program
# file behind. Sourced by test-windows.sh, not run.

installer_failures=0

installer_fail() {
  echo "DIFFERENT: $*"
  installer_failures=$((installer_failures + 1))
}

run_installer_test() {
  local setup=$1 version=$2
  local folder="$WINEPREFIX/drive_c/Program Files/velmedit"
  if ! wine "$setup" /S >"$work/installer.log" 2>&1; then
    installer_fail "the installer failed (see $work/installer.log)"
    return
  fi
  wineserver -w
  if [ ! -f "$folder/velmedit.exe" ] || [ ! -f "$folder/platforms/qwindows.dll" ] || [ ! -f "$folder/opencc/s2tw.json" ]; then
    installer_fail "the installer did not put the program into $folder"
    return
  fi
  local answer
  answer=$(wine "$folder/velmedit.exe" --version 2>&1)
  if [ "$answer" != "velmedit $version" ]; then
    installer_fail "the installed program answers '$answer' to --version"
  elif ! find "$WINEPREFIX/drive_c" -iname 'velmedit.lnk' | grep -q .; then
    installer_fail "the installer made no Start-menu entry"
  else
    echo "the installer put velmedit $version into Program Files with a Start-menu entry"
  fi
  # The uninstaller copies itself away and returns at once; wait for it.
  wine "$folder/uninstall.exe" /S >>"$work/installer.log" 2>&1
  wineserver -w
  wait_for 60 "the uninstaller" test ! -e "$folder/velmedit.exe"
  if [ -e "$folder" ]; then
    installer_fail "the uninstaller left files behind: $(find "$folder" | head -5 | tr '\n' ' ')"
  elif find "$WINEPREFIX/drive_c" -iname 'velmedit.lnk' | grep -q .; then
    installer_fail "the uninstaller left the Start-menu entry"
  else
    echo "the uninstaller removed every program file and the Start-menu entry"
  fi
}
