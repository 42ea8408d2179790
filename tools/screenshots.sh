#!/usr/bin/env bash
# Screenshots of the program's windows in one interface language, taken from
# the real program on a virtual X server (Xvfb), for looking over captions:
#
#   tools/screenshots.sh BUILD_DIR LANG OUT_DIR     (LANG: zh_CN, zh_TW or en)
#
# The demo data of `make run` (BUILD_DIR/demo) is copied to a scratch folder;
# nothing of it changes.
set -euo pipefail
build=$(cd "$1" && pwd) lang=$2 out=$(mkdir -p "$3" && cd "$3" && pwd)
program=$build/src/velmedit
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
cp -r "$build/demo/." "$scratch/"
# The program's own settings beside a copy of it: the demo game folder, no recent files.
cp "$program" "$scratch/velmedit"
printf '%s' "$scratch/game" >"$scratch/velmedit.ini"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY=$display
shot() { sleep "${2:-1}"; import -window root "$out/$lang-$1.png"; }
key() { xdotool key "$@"; }
settings=alt+d
[ "$lang" = en ] && settings=alt+s  # "&Settings"

cd "$scratch"
./velmedit --lang "$lang" TPERSON.VMR >/dev/null 2>&1 &
shot welcome 2.5
key space; shot main 1.5
xdotool mousemove 200 192 click 1; shot officer
key alt+f; shot menu-file 0.7; key Escape Escape
key $settings; sleep 0.7; key Down Right; shot menu-language 0.7; key Escape Escape Escape
key alt+e; shot menu-edit 0.7; key Escape Escape
key ctrl+f; shot find; key Escape
key ctrl+h; shot help; key Escape
xdotool mousemove 555 210 click 1; shot face-picker 1.5; key Escape
key $settings; sleep 0.7; key Return; shot install-folder 1.5; key Escape
