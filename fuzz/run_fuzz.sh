#!/usr/bin/env bash
# Runs each fuzz target for FUZZ_SECONDS seconds (default 60), one after the
# other, at the lowest priority. Each starts from its committed corpus
# fuzz/corpus/<target> and keeps what it finds new in BUILD/corpus/<target>;
# an input that breaks a contract lands in BUILD/findings/<target>/ and the
# run ends with an error after the remaining targets.
#
#   run_fuzz.sh BUILD [target ...]
set -uo pipefail

build=$1
shift
seconds=${FUZZ_SECONDS:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(officer_file converter face_archive wine_registry settings_file number_text)
here=$(cd "$(dirname "$0")" && pwd)

# Longest input per target: a registration file with some bytes past its end,
# an added archive with a few faces, and so on.
max_len() {
  case $1 in
    officer_file) echo 32768 ;;
    face_archive | wine_registry) echo 16384 ;;
    settings_file) echo 1024 ;;
    number_text) echo 256 ;;
    *) echo 4096 ;;
  esac
}

# Scratch files go to memory where there is some: saving syncs to disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

failed=()
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/findings/$t" "$build/logs"
  echo "== $t: $seconds s"
  nice -n 19 "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="$(max_len "$t")" -timeout=10 \
    -rss_limit_mb=2048 -malloc_limit_mb=512 -print_final_stats=1 -artifact_prefix="$build/findings/$t/" \
    "$build/corpus/$t" "$here/corpus/$t" >"$build/logs/$t.log" 2>&1
  status=$?
  grep -E "^#[0-9]+ +DONE|stat::number_of_executed_units" "$build/logs/$t.log" | tail -2
  if [ $status -ne 0 ]; then
    failed+=("$t")
    echo "   fault found: see $build/logs/$t.log and $build/findings/$t/"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}"
  exit 1
fi
