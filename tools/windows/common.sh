# Shared by the scripts of tools/windows/: where things are kept and how a
# step that fails is reported. Sourced, not run.

velm_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
velm_windows_tools=$velm_root/tools/windows
velm_cache=${XDG_CACHE_HOME:-$HOME/.cache}/velmedit
velm_toolchain=$velm_windows_tools/mingw-toolchain.cmake
velm_triple=x86_64-w64-mingw32
velm_jobs=${JOBS:-$(nproc)}

# A short hash of the given files and the cross compiler's version: a cache
# folder's key changes with the script that fills it and with the compiler.
velm_key() {
  { cat "$@"; "$velm_triple-g++-posix" --version | head -1; } | sha256sum | cut -c1-10
}

# velm_step NAME LOG COMMAND...: runs COMMAND with its output in LOG; on
# failure prints one line naming the step and the log, and exits.
velm_step() {
  local name=$1 log=$2
  shift 2
  mkdir -p "$(dirname "$log")"
  if ! "$@" >"$log" 2>&1; then
    echo "make windows: step '$name' failed; see $log" >&2
    exit 1
  fi
}

velm_need() {
  local tool=$1 package=$2
  if ! command -v "$tool" >/dev/null; then
    echo "make windows: $tool not found (Debian package $package)" >&2
    exit 1
  fi
}
