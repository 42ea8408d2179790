# The commands without a window, run by the Linux and by the Windows program
# on the same files; their output, exit codes and written files must be
# byte-identical. Sourced by test-windows.sh (which sets linux_exe,
# windows_exe, demo_dir and work), not run.

# Deterministic bytes: N bytes from a seeded generator.
seeded_bytes() {
  perl -e 'srand($ARGV[0]); print map { chr(int(rand(256))) } 1 .. $ARGV[1]' "$1" "$2"
}

# Both working folders start with the same inputs.
prepare_cli_inputs() {
  local dir=$1
  mkdir -p "$dir"
  cp "$demo_dir/TPERSON.VMR" "$dir/TPERSON.VMR"
  cp "$demo_dir/TPERSON.VMR" "$dir/武将.VMR"
  cp -r "$demo_dir/game" "$dir/game"
  seeded_bytes 1 28604 >"$dir/random.VMR"
  seeded_bytes 2 28604 >"$dir/random2.VMR"
  head -c 1000 "$demo_dir/TPERSON.VMR" >"$dir/short.VMR"
  printf '"format","version","slot","war","given_name","biography"\r\n"velmedit-officers","1","0","95","头发","何太后后来干净"\r\n"velmedit-officers","1","3","150","",""\r\n' >"$dir/edit.csv"
  printf '{"format":"velmedit-officers","version":1,"officers":[{"slot":2,"charm":77,"surname":"乾"},{"slot":9,"skills":""}]}' >"$dir/edit.json"
  printf '"format","version","slot","war"\r\n"velmedit-officers","1","0","70000"\r\n' >"$dir/bad.csv"
  printf '{"format":"velmedit-officers","version":1,"officers":[{"slot":1,"slot":2}]}' >"$dir/bad.json"
  printf '"format","version","slot","given_name","biography"\r\n"velmedit-officers","1","5","干戈","何太后后来干净了"\r\n' | iconv -f UTF-8 -t GBK >"$dir/gbk.csv"
}

cli_failures=0

# The dated copies in the backups folders of DIR: folder and content, whatever their names.
backup_contents() {
  (cd "$1" && find . -path '*.backups/*' -type f -exec sha256sum {} + | sed -E 's#  (.*)/[^/]*$# \1#' | sort)
}

# cli_case NAME ARGS...: runs both programs in their folders and compares.
cli_case() {
  local name=$1
  shift
  local lin=$work/cli/linux win=$work/cli/windows
  (cd "$lin" && "$linux_exe" "$@" >"$work/cli/linux.out" 2>"$work/cli/linux.err"; echo $? >"$work/cli/linux.rc")
  (cd "$win" && wine "$windows_exe" "$@" >"$work/cli/windows.out" 2>"$work/cli/windows.err"; echo $? >"$work/cli/windows.rc")
  # Dated backup copies are named after the second they were made in.
  sed -E -i 's/-[0-9]{8}-[0-9]{6}(-[0-9]+)?\./-<time>./g' "$work"/cli/{linux,windows}.{out,err}
  local problems=()
  cmp -s "$work/cli/linux.rc" "$work/cli/windows.rc" ||
    problems+=("exit code $(cat "$work/cli/linux.rc") on Linux, $(cat "$work/cli/windows.rc") on Windows")
  cmp -s "$work/cli/linux.out" "$work/cli/windows.out" ||
    problems+=("standard output differs:$(diff <(cat -A "$work/cli/linux.out") <(cat -A "$work/cli/windows.out") | head -20)")
  cmp -s "$work/cli/linux.err" "$work/cli/windows.err" ||
    problems+=("standard error differs:$(diff <(cat -A "$work/cli/linux.err") <(cat -A "$work/cli/windows.err") | head -20)")
  local files
  files=$(diff -r -x '*.backups' "$lin" "$win" 2>&1) || problems+=("written files differ: $(head -20 <<<"$files")")
  [ "$(backup_contents "$lin")" = "$(backup_contents "$win")" ] ||
    problems+=("the backups folders differ: $(diff <(backup_contents "$lin") <(backup_contents "$win") | head -10)")
  if [ ${#problems[@]} -eq 0 ]; then
    echo "same on Linux and Windows: $name (exit $(cat "$work/cli/linux.rc"), $(wc -c <"$work/cli/linux.out") bytes of output)"
  else
    echo "DIFFERENT: $name"
    printf '  %s\n' "${problems[@]}"
    cli_failures=$((cli_failures + 1))
  fi
}

# Started from a console (a terminal, which Wine gives the program as its
# console), the text goes there through WriteConsoleW and reads as on Linux.
console_case() {
  "$linux_exe" --help >"$work/cli/console-linux.txt"
  script -qec "stty cols 200; wine '$windows_exe' --help" /dev/null </dev/null |
    sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r' >"$work/cli/console-windows.txt"
  if cmp -s "$work/cli/console-linux.txt" "$work/cli/console-windows.txt"; then
    echo "same on Linux and Windows: --help written to a console"
  else
    echo "DIFFERENT: --help written to a console:"
    diff "$work/cli/console-linux.txt" "$work/cli/console-windows.txt" | head -10
    cli_failures=$((cli_failures + 1))
  fi
}

# Windows alone: a save over a file that another program holds open (without
# leave to replace it) fails with a message, and the file stays as it was.
held_file_case() {
  local dir=$work/cli/held
  mkdir -p "$dir"
  cp "$demo_dir/TPERSON.VMR" "$dir/TPERSON.VMR"
  printf '"format","version","slot","war"\r\n"velmedit-officers","1","0","42"\r\n' >"$dir/war.csv"
  "$velm_triple-gcc-posix" -municode -O2 -o "$work/hold-file.exe" "$velm_windows_tools/hold-file.c"
  (cd "$dir" && exec wine "$work/hold-file.exe" TPERSON.VMR >"$work/held.txt" 2>&1) &
  local holder=$!
  if ! wait_for 60 "the file to be held" grep -q held "$work/held.txt"; then
    cli_failures=$((cli_failures + 1))
    return
  fi
  (cd "$dir" && wine "$windows_exe" import TPERSON.VMR war.csv >"$work/held.out" 2>"$work/held.err")
  local code=$?
  wine taskkill /F /IM hold-file.exe >/dev/null 2>&1
  wait "$holder" 2>/dev/null
  if [ "$code" -eq 2 ] && grep -q '文件未改变，仍是保存前的内容' "$work/held.err" &&
    cmp -s "$dir/TPERSON.VMR" "$demo_dir/TPERSON.VMR" && cmp -s "$dir/TPERSON.VMR.bak" "$demo_dir/TPERSON.VMR" &&
    [ "$(ls "$dir" | tr '\n' ' ')" = "TPERSON.VMR TPERSON.VMR.backups TPERSON.VMR.bak war.csv " ]; then
    echo "Windows: a save over a file another program holds open is refused and leaves it whole: $(cat "$work/held.err")"
  else
    echo "DIFFERENT: a save over a held file: exit $code, $(cat "$work/held.err")"
    cli_failures=$((cli_failures + 1))
  fi
}

# The exit code both programs gave in the last cli_case must be CODE.
expect_exit() {
  local code=$1 name=$2 side
  for side in linux windows; do
    [ "$(cat "$work/cli/$side.rc")" = "$code" ] && continue
    echo "FAILED: $name: exit $(cat "$work/cli/$side.rc") on $side, $code expected"
    cli_failures=$((cli_failures + 1))
  done
}

# Both programs' copies of the demo game's archive FILE (under game/grp/)
# must still hold the demo's bytes.
expect_demo_archive() {
  local file=$1 name=$2 side
  for side in linux windows; do
    cmp -s "$work/cli/$side/game/grp/$file" "$demo_dir/game/grp/$file" && continue
    echo "FAILED: $name: $side's $file is no longer the demo's"
    cli_failures=$((cli_failures + 1))
  done
}

# The demo game's faces: every face written as PNG, exported faces of both
# archives written back without a byte changed (so nothing is written, not
# even a backup), a number that names no face refused. After the other
# commands, which read the same game folder.
face_cases() {
  cli_case "faces export" faces export --game game --out faces
  cli_case "faces import of face 130, which names no face" faces import --game game --face 130 faces/0131.png
  expect_exit 2 "faces import of face 130"
  expect_demo_archive grpfaces.vmr "faces import of face 130"
  cli_case "faces import of an exported face" faces import --game game --face 131 faces/0131.png
  expect_exit 0 "faces import of an exported face"
  expect_demo_archive grpfaces.vmr "faces import of an exported face"
  cli_case "faces import of an exported added face" faces import --game game --face 2012 faces/2012.png
  expect_exit 0 "faces import of an exported added face"
  expect_demo_archive grpaface.vmr "faces import of an exported added face"
}

# Each program makes the same JPEG into face 100 of a demo game of its own.
# The colours it picks may differ in the last bits between the platforms, so
# each archive is only checked to differ from the demo's within that face's
# 6,144 bytes: 37,260 + 100 × 6,144 = 651,660 up to 657,803 (from 0), and
# for the backup to hold the demo's archive.
jpeg_face_case() {
  local picture=$work/cli/portrait.jpg side dir rc changed outside
  convert -size 150x190 gradient:'#d08040-#304080' -fill '#f0d0b0' -draw 'ellipse 75,80 40,52 0,360' \
    -fill '#202020' -draw 'rectangle 20,150 130,190' -quality 85 "$picture"
  for side in linux windows; do
    dir=$work/cli/jpeg-$side
    mkdir -p "$dir"
    cp -r "$demo_dir/game" "$dir/game"
    cp "$picture" "$dir/"
    if [ $side = linux ]; then
      (cd "$dir" && "$linux_exe" faces import --game game --face 100 portrait.jpg >"$dir.out" 2>&1)
    else
      (cd "$dir" && wine "$windows_exe" faces import --game game --face 100 portrait.jpg >"$dir.out" 2>&1)
    fi
    rc=$?
    changed=$(cmp -l "$demo_dir/game/grp/grpfaces.vmr" "$dir/game/grp/grpfaces.vmr" 2>&1 | wc -l)
    outside=$(cmp -l "$demo_dir/game/grp/grpfaces.vmr" "$dir/game/grp/grpfaces.vmr" 2>&1 |
      awk '$1 < 651661 || $1 > 657804' | wc -l)
    if [ "$rc" -eq 0 ] && [ "$changed" -gt 0 ] && [ "$outside" -eq 0 ] &&
      cmp -s "$demo_dir/game/grp/grpaface.vmr" "$dir/game/grp/grpaface.vmr" &&
      cmp -s "$demo_dir/game/grp/grpfaces.vmr" "$dir/game/grp/grpfaces.vmr.bak"; then
      echo "$side: a JPEG made into face 100 changes $changed of its 6,144 bytes and nothing else; the backup holds the archive as it was"
    else
      echo "FAILED: a JPEG made into face 100 on $side: exit $rc, $changed bytes changed, $outside outside the face: $(cat "$dir.out")"
      cli_failures=$((cli_failures + 1))
    fi
  done
  if cmp -s "$work/cli/jpeg-linux/game/grp/grpfaces.vmr" "$work/cli/jpeg-windows/game/grp/grpfaces.vmr"; then
    echo "the JPEG's face is the same on Linux and Windows"
  else
    echo "the JPEG's face differs between Linux and Windows (allowed)"
  fi
}

run_cli_tests() {
  prepare_cli_inputs "$work/cli/linux"
  prepare_cli_inputs "$work/cli/windows"
  cli_case "--version" --version
  cli_case "--help" --help
  cli_case "an unknown option" --bogus
  cli_case "--help in English" --lang en --help
  cli_case "--help in traditional Chinese" --help --lang=zh_TW
  cli_case "an unknown language" --lang fr --help
  cli_case "check in English" check random.VMR --force --lang en
  cli_case "import refused in traditional Chinese" --lang zh_TW import TPERSON.VMR bad.csv
  cli_case "two files" a.VMR b.VMR
  cli_case "export JSON" export TPERSON.VMR all.json
  cli_case "export CSV" export TPERSON.VMR all.csv
  cli_case "export some slots" export TPERSON.VMR some.csv --slots 650-659,700
  cli_case "export under a Chinese name" export 武将.VMR 导出.csv
  cli_case "export a random file, refused" export random.VMR random.json
  cli_case "export a random file with --force" export random.VMR random.json --force
  cli_case "export a missing file" export missing.VMR x.csv
  cli_case "check" check TPERSON.VMR
  cli_case "check --json with faces" check TPERSON.VMR --json --game game
  cli_case "check a random file" check random.VMR --force
  cli_case "check a random file's faces" check random.VMR --json --game game --force
  cli_case "check a short file" check short.VMR
  cli_case "diff" diff TPERSON.VMR random.VMR --force
  cli_case "diff of two random files" diff random.VMR random2.VMR --force
  cli_case "import --dry-run" import TPERSON.VMR edit.csv --dry-run
  cli_case "import a typed text (phrase conversion)" import TPERSON.VMR edit.csv
  cli_case "import JSON" import TPERSON.VMR edit.json
  cli_case "import a GBK file" import TPERSON.VMR gbk.csv --encoding gbk
  cli_case "import a GBK file, encoding guessed" import 武将.VMR gbk.csv
  cli_case "import a value too large" import TPERSON.VMR bad.csv
  cli_case "import a key twice" import TPERSON.VMR bad.json
  cli_case "import an officer file as exchange file" import TPERSON.VMR random.VMR
  cli_case "export after the imports" export TPERSON.VMR after.json
  cli_case "import the random file's officers" import TPERSON.VMR random.json
  cli_case "diff after import" diff TPERSON.VMR random.VMR --force
  face_cases
  jpeg_face_case
  console_case
  held_file_case
}
