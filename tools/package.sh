#!/usr/bin/env bash
# Makes the release archive: Zorvane.exe of a 32-bit build, vk.ico beside it and a read-me, in a zip whose
# bytes depend only on those files and the commit (fixed times, modes and order, no extra fields).
#
# usage: tools/package.sh [BUILD_DIR [ARCHIVE]]
#   BUILD_DIR  a built win32 preset (default build/win32)
#   ARCHIVE    the zip to write (default BUILD_DIR/Zorvane-<version>.zip)
# The files' time is SOURCE_DATE_EPOCH when set, else the time of the checked-out commit.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if (($# > 2)); then
  echo "usage: $0 [BUILD_DIR [ARCHIVE]]" >&2
  exit 2
fi
build=$(realpath -m "${1:-$root/build/win32}")
exe=$build/app/Zorvane.exe
[[ -f $exe ]] || { echo "no $exe: configure and build the win32 preset first" >&2; exit 2; }
command -v zip >/dev/null || { echo "zip is missing: run tools/setup.sh" >&2; exit 2; }

version=$(sed -nE 's/^project\(Zorvane VERSION ([0-9.]+).*/\1/p' "$root/CMakeLists.txt")
[[ -n $version ]] || { echo "no project version in $root/CMakeLists.txt" >&2; exit 2; }
archive=$(realpath -m "${2:-$build/Zorvane-$version.zip}")
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct) || { echo "set SOURCE_DATE_EPOCH" >&2; exit 2; }
fi

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "$exe" "$staging/Zorvane.exe"
cp "$root/forms/art/vk.ico" "$staging/vk.ico"
# Notepad on every Windows reads UTF-8 with a byte-order mark; lines end in CR LF.
{
  printf '\xEF\xBB\xBF'
  sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$root/tools/package/readme.txt"
} >"$staging/readme.txt"
chmod 0755 "$staging/Zorvane.exe"
chmod 0644 "$staging/vk.ico" "$staging/readme.txt"
# Zip keeps local times: UTC here, so that the time zone of the machine does not show.
export TZ=UTC
touch -d "@$SOURCE_DATE_EPOCH" "$staging"/*

mkdir -p "$(dirname "$archive")"
rm -f "$archive"
# -X: no extra fields (owners, extended times); -D: no folder entries; names in a fixed order.
(cd "$staging" && LC_ALL=C zip -q -X -D -9 "$archive" Zorvane.exe readme.txt vk.ico)
echo "$archive"
