#!/usr/bin/env bash
# Compiles every source file under src/ with Debian's MinGW-w64 compiler,
# syntax only, so that the Windows branches (#ifdef _WIN32, Q_OS_WIN) keep
# compiling although every build of ours runs on Linux.
#
#   tools/mingw-syntax-check.sh [BUILD_DIR]     (default: build)
#
# Each file gets the defines, include folders, language standard and warnings
# its compile command has in BUILD_DIR/compile_commands.json, so the build
# must have run (at least its moc/uic step: the GUI sources include the
# ui_*.h headers that uic writes there). Lists every file that fails and
# exits non-zero when one does. JOBS files are compiled at a time (default:
# the number of processors); MINGW_CXX names another compiler.
#
# Qt's headers are Debian's, configured for Linux. They serve as they are:
# Qt picks the platform from the compiler's own macros (MinGW defines _WIN32,
# so Q_OS_WIN follows), and the Linux qconfig.h lists no feature that our
# sources would use differently on Windows. Only mkspecs/linux-g++ (the
# Linux qplatformdefs.h, which nothing of ours includes) is left out. No
# source needs to be excluded.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" 2>/dev/null && pwd) || { echo "mingw-syntax-check: no build folder ${1:-$root/build}" >&2; exit 2; }
compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
jobs=${JOBS:-$(nproc)}
commands=$build/compile_commands.json

if ! command -v "$compiler" >/dev/null; then
  echo "mingw-syntax-check: $compiler not found (Debian: g++-mingw-w64-x86-64-posix)" >&2
  exit 2
fi
if [ ! -f "$commands" ]; then
  echo "mingw-syntax-check: $commands missing; configure and build $build first" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# libcsv's csv.h lies in /usr/include among glibc's headers, which MinGW must
# not see: it gets a folder of its own, given as a system folder so that the
# warnings of the libraries' headers stay theirs.
mkdir "$work/include"
csv_dir=$(sed -n 's/^VELM_CSV_INCLUDE_DIR:PATH=//p' "$build/CMakeCache.txt" 2>/dev/null)
if [ -n "$csv_dir" ] && [ -f "$csv_dir/csv.h" ]; then
  ln -s "$csv_dir/csv.h" "$work/include/csv.h"
fi
# libimagequant's header likewise, found where pkg-config says it lies.
quant_dir=$(pkg-config --variable=includedir imagequant 2>/dev/null)
if [ -n "$quant_dir" ] && [ -f "$quant_dir/libimagequant.h" ]; then
  ln -s "$quant_dir/libimagequant.h" "$work/include/libimagequant.h"
fi
# RapidJSON's headers likewise.
json_dir=$(sed -n 's/^VELM_RAPIDJSON_INCLUDE_DIR:PATH=//p' "$build/CMakeCache.txt" 2>/dev/null)
if [ -n "$json_dir" ] && [ -d "$json_dir/rapidjson" ]; then
  ln -s "$json_dir/rapidjson" "$work/include/rapidjson"
fi

# Keeps the options of a compile command that matter to the syntax: defines,
# include folders (but Qt's Linux mkspecs), the standard and the warnings.
syntax_flags() {
  local keep_next=
  for arg; do
    if [ -n "$keep_next" ]; then
      [[ $arg == */mkspecs/* ]] || printf '%s\0' -isystem "$arg"
      keep_next=
      continue
    fi
    case $arg in
      -isystem) keep_next=1 ;;
      -D*|-I*|-W*|-std=*) printf '%s\0' "$arg" ;;
    esac
  done
}

# check FILE COMMAND LOG: COMMAND is the file's command as the JSON holds it.
check() {
  local file=$1 command=$2 log=$3
  command=${command//\\\"/\"}
  command=${command//\\\\/\\}
  eval "set -- $command"
  local flags=()
  mapfile -d '' flags < <(syntax_flags "$@")
  if ! "$compiler" -fsyntax-only "${flags[@]}" -isystem "$work/include" "$file" >"$log" 2>&1; then
    echo "$file" >"$log.failed"
  fi
}

count=0
command=
while IFS= read -r line; do
  case $line in
    *'"command": "'*)
      command=${line#*\"command\": \"}
      command=${command%\",} ;;
    *'"file": "'*)
      file=${line#*\"file\": \"}
      file=${file%%\"*}
      [[ $file == "$root/src/"* ]] || continue
      count=$((count + 1))
      while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
      check "$file" "$command" "$work/$count.log" &
      ;;
  esac
done <"$commands"
wait

if [ "$count" -eq 0 ]; then
  echo "mingw-syntax-check: no source of $root/src in $commands" >&2
  exit 2
fi
failed=0
for ((i = 1; i <= count; i++)); do
  if [ -f "$work/$i.log.failed" ]; then
    failed=$((failed + 1))
    echo "FAILED: $(cat "$work/$i.log.failed")"
    head -n 20 "$work/$i.log"
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "mingw-syntax-check: $failed of $count files do not compile with $compiler" >&2
  exit 1
fi
echo "mingw-syntax-check: $count files compile with $compiler"
