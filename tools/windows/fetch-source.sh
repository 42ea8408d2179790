#!/usr/bin/env bash
# Fetches and unpacks one Debian source package with apt's own tools, without
# touching the machine's apt configuration: apt reads a private sources list
# (the machine's Debian entries turned into deb-src) and keeps its lists and
# cache in a private folder.
#
#   tools/windows/fetch-source.sh PACKAGE DEST_DIR
#
# Unpacks PACKAGE's source into DEST_DIR/<package>-<version>/ and prints that
# folder. Nothing is written to DEST_DIR when the download fails.
set -euo pipefail

package=$1
dest=$2
state=${VELM_APT_STATE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmedit/apt}
mkdir -p "$state/lists/partial" "$state/cache/archives/partial" "$state/sources.list.d" "$dest"

# deb-src twins of the machine's Debian entries (deb822 and one-line forms).
sources=$state/sources.list.d/debian-src.sources
: >"$sources"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  grep -q 'debian' "$f" || continue
  sed -e 's/^Types:.*/Types: deb-src/' "$f" >>"$sources"
  echo >>"$sources"
done
oneline=$state/sources.list
: >"$oneline"
if [ -f /etc/apt/sources.list ]; then
  grep -E '^deb[[:space:]].*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' >>"$oneline" || true
fi

apt_opts=(
  -o "Dir::Etc::SourceList=$oneline"
  -o "Dir::Etc::SourceParts=$state/sources.list.d"
  -o "Dir::State::Lists=$state/lists"
  -o "Dir::Cache=$state/cache"
  -o "Debug::NoLocking=true"
)
# As root, apt would download as the user _apt, who cannot write to our cache.
if [ "$(id -u)" -eq 0 ]; then apt_opts+=(-o "APT::Sandbox::User=root"); fi
# Refresh the lists at most once a day.
if [ -z "$(find "$state/lists" -maxdepth 1 -name '*Sources*' -mtime -1 2>/dev/null | head -1)" ]; then
  apt-get "${apt_opts[@]}" -qq update >&2
fi

work=$(mktemp -d "$dest/.fetch-XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get "${apt_opts[@]}" -qq source --download-only "$package" >&2)
dsc=$(ls "$work"/*.dsc | head -1)
(cd "$work" && dpkg-source --no-check -x "$(basename "$dsc")" unpacked >&2)
name=$(basename "$dsc" .dsc)          # package_version
folder=$dest/${name/_/-}
rm -rf "$folder"
mv "$work/unpacked" "$folder"
echo "$folder"
