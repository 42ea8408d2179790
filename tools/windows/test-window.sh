# The window under Wine and on Linux, driven by the same keys on the same
# X display: open the demo file, pick the first officer, type 77 into 统率,
# confirm and save. Both saved files must be byte-identical and differ from
# the demo file in that one value. Also takes the screenshots of the Windows
# program. Sourced by test-windows.sh, not run.

window_failures=0

# The X window whose name contains TEXT, once it is mapped.
window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
window_shown() { [ -n "$(window_id "$1")" ]; }
file_exists() { [ -f "$1" ]; }
files_differ() { ! cmp -s "$1" "$2"; }
window_gone() { [ -z "$(window_id "$1")" ]; }

# The face picker has neither frame nor title: it is the window of its size.
picker_shown() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 513x392' && return 0
  done
  return 1
}
picker_gone() { ! picker_shown; }

keys() { xdotool key --delay 60 "$@"; }

# The screen cut to the windows on it (the background is black).
screenshot() { import -window root png:- | convert png:- -trim +repage "$1"; }

# Waits until the program has handled every key sent so far: a program that
# answers a window property request has an idle event loop.
settle() { xdotool search --name "武将登录器" getwindowname >/dev/null 2>&1; sleep 0.3; }

# Ends the program, which has nothing unsaved: the Linux one by a signal,
# the Windows one by the window-close message Wine's taskkill sends, forced
# when that does not end it. Never waits without a limit.
process_gone() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null)
  [ -z "$state" ] || [[ $state == Z* ]]  # a child that ended waits to be reaped
}
close_program() {
  local pid=$1
  if [ "${windows_run:-}" = 1 ]; then
    wine taskkill /IM velmedit.exe >/dev/null 2>&1
    if ! wait_for 60 "the Windows program to end" process_gone "$pid"; then
      wine taskkill /F /IM velmedit.exe >/dev/null 2>&1
      wait_for 30 "the Windows program to be ended" process_gone "$pid" || wineserver -k
    fi
  else
    kill "$pid" 2>/dev/null
    wait_for 30 "the Linux program to end" process_gone "$pid" || kill -9 "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
}

# drive_edit RUN_DIR FILE SEEN_AS PROGRAM...: starts PROGRAM on FILE (as the
# program names it) and edits it; SEEN_AS is the same file as a Linux path.
drive_edit() {
  local run=$1 file=$2 seen_as=$3
  shift 3
  "$@" "$file" >"$run/program.log" 2>&1 &
  local pid=$!
  wait_for 120 "the welcome window" window_shown "欢迎使用" || return 1
  keys a  # any character key closes it
  wait_for 60 "the main window on TPERSON.VMR" window_shown "TPERSON.VMR" || return 1
  wait_for 30 "the welcome window to close" window_gone "欢迎使用" || return 1
  settle
  # The focus starts on the portrait; seven steps back reach the list.
  for _ in 1 2 3 4 5 6 7; do keys shift+Tab; done
  keys Home space
  settle
  if [ -n "${screenshot_main:-}" ]; then screenshot "$screenshot_main"; fi
  if [ -n "${screenshot_picker:-}" ]; then
    for _ in 1 2 3 4 5 6 7; do keys Tab; done  # the portrait
    keys Return
    wait_for 30 "the face picker" picker_shown || return 1
    settle
    screenshot "$screenshot_picker"
    keys Escape
    wait_for 30 "the face picker to close" picker_gone || return 1
    for _ in 1 2 3 4 5 6 7; do keys shift+Tab; done  # back to the list
  fi
  for _ in $(seq 12); do keys Tab; done  # 统率
  keys ctrl+a 7 7 ctrl+Return ctrl+s
  wait_for 60 "the backup of the save" file_exists "$seen_as.bak" || return 1
  # The save replaces the file in one rename: once it differs, it is whole.
  wait_for 60 "the saved file" files_differ "$seen_as" "$demo_dir/TPERSON.VMR" || return 1
  settle
  close_program "$pid"
  return 0
}

run_window_tests() {
  local linux_run=$work/window/linux
  local documents="$WINEPREFIX/drive_c/users/玩家/Documents/Orvane/Velmora TC/TPrsn"
  mkdir -p "$linux_run" "$documents"
  cp "$demo_dir/TPERSON.VMR" "$linux_run/TPERSON.VMR"
  cp "$demo_dir/TPERSON.VMR" "$documents/TPERSON.VMR"
  # Both programs find the demo game through the prefix's registry: the
  # Windows one through the registry API, the Linux one through user.reg.
  wine reg add 'HKCU\Software\Orvane\Velmora TC\Install' /v InstallInfo /t REG_SZ \
    /d "$(windows_path "$demo_dir/game")" /f >/dev/null 2>&1
  wineserver -w

  local ok=1
  windows_run=1 screenshot_main=$work/windows-main.png screenshot_picker=$work/windows-picker.png \
    drive_edit "$work/window" 'C:\users\玩家\Documents\Orvane\Velmora TC\TPrsn\TPERSON.VMR' \
    "$documents/TPERSON.VMR" wine "$windows_exe" || ok=0
  windows_run=0 screenshot_main= screenshot_picker= \
    drive_edit "$linux_run" "$linux_run/TPERSON.VMR" "$linux_run/TPERSON.VMR" "$linux_exe" || ok=0
  if [ "$ok" -eq 0 ]; then
    echo "DIFFERENT: the window test did not finish (see $work/window/program.log)"
    import -window root "$work/window-failure.png" 2>/dev/null
    window_failures=$((window_failures + 1))
    return
  fi
  local change
  change=$("$linux_exe" diff "$demo_dir/TPERSON.VMR" "$linux_run/TPERSON.VMR")
  if [ "$change" != "650 雷鸣远，统率：84 → 77" ]; then
    echo "DIFFERENT: the Linux window saved another change: $change"
    window_failures=$((window_failures + 1))
  elif ! cmp "$linux_run/TPERSON.VMR" "$documents/TPERSON.VMR"; then
    echo "DIFFERENT: the window's save under Wine differs from the Linux one"
    window_failures=$((window_failures + 1))
  elif ! cmp -s "$documents/TPERSON.VMR.bak" "$demo_dir/TPERSON.VMR"; then
    echo "DIFFERENT: the backup under Wine is not the file as opened"
    window_failures=$((window_failures + 1))
  else
    echo "same on Linux and Windows: the window's edit of 统率 to 77, saved by keys, and its backup"
  fi
}

# Without the registry key, the Windows program takes the game's folder from
# velmedit.ini beside it (its folder can be written: a file made there says
# so, and is gone again): no folder dialog comes, the main window does.
run_settings_case() {
  local program_dir
  program_dir=$(dirname "$windows_exe")
  wine reg delete 'HKCU\Software\Orvane\Velmora TC\Install' /f >/dev/null 2>&1
  wineserver -w
  printf '%s' "$(windows_path "$demo_dir/game")" >"$program_dir/velmedit.ini"
  wine "$windows_exe" >"$work/settings.log" 2>&1 &
  local pid=$!
  local ok=1
  wait_for 120 "the welcome window" window_shown "欢迎使用" || ok=0
  [ "$ok" -eq 1 ] && keys a
  [ "$ok" -eq 1 ] && { wait_for 60 "the welcome window to close" window_gone "欢迎使用" || ok=0; }
  [ "$ok" -eq 1 ] && { wait_for 60 "the main window" window_shown "武将登录器" || ok=0; }
  if [ "$ok" -eq 1 ] && window_shown "选择Velmora的安装目录"; then ok=0; fi
  windows_run=1 close_program "$pid"
  if [ "$ok" -eq 1 ] && [ ! -e "$program_dir/velmedit-write-test.tmp" ]; then
    echo "Windows: the game folder read from velmedit.ini beside the program, no folder dialog"
  else
    echo "DIFFERENT: with velmedit.ini beside the program the start did not go as on Linux"
    window_failures=$((window_failures + 1))
  fi
  rm -f "$program_dir/velmedit.ini"
}
