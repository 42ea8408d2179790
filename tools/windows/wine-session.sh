# Functions for running the Windows program under Wine on a private prefix
# and a private X display. Sourced by test-windows.sh, not run.
#
# wine_session_start WORK: starts Xvfb and prepares WORK/prefix (offline: no
# Mono, no Gecko), with Chinese fonts for the fonts Windows programs ask for;
# wine_session_stop ends both. Every wait is for a thing to happen, with a
# generous limit, never a fixed sleep.

wine_log() { printf '%s\n' "$*" >&2; }

# wait_for SECONDS DESCRIPTION COMMAND...: polls COMMAND until it succeeds.
wait_for() {
  local limit=$1 what=$2
  shift 2
  local deadline=$(( $(date +%s) + limit ))
  until "$@"; do
    if [ "$(date +%s)" -ge "$deadline" ]; then
      wine_log "FAIL: gave up waiting for $what after $limit s"
      return 1
    fi
    sleep 0.2
  done
}

wine_session_start() {
  local work=$1
  export WINEPREFIX=$work/prefix
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEDEBUG=-all
  export WINEARCH=win64
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local number=""
  read -r -t 30 number <&"$display_fd" || { wine_log "FAIL: Xvfb did not start"; return 1; }
  export DISPLAY=:$number
  wineboot -i >"$work/wineboot.log" 2>&1
  wineserver -w
  # The fonts that Windows dialogs and our window ask for, mapped to Chinese
  # fonts that Debian has: the Song (Ming) faces to AR PL UMing
  # (fonts-arphic-uming), the sans-serif ones to WenQuanYi Micro Hei.
  local substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  local font
  for font in "SimSun" "NSimSun" "宋体" "新宋体"; do
    wine reg add "$substitutes" /v "$font" /t REG_SZ /d "AR PL UMing CN" /f >/dev/null 2>&1
  done
  for font in "Microsoft YaHei" "微软雅黑" "SimHei" "黑体" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add "$substitutes" /v "$font" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  done
  local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for font in "Tahoma" "Segoe UI" "Microsoft Sans Serif" "Lucida Sans Unicode"; do
    wine reg add "$link" /v "$font" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null 2>&1
  done
  wineserver -w
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  xvfb_pid=
}

# The Windows form of a Linux path, through the prefix's Z: drive.
windows_path() { winepath -w "$1" 2>/dev/null; }
