#!/usr/bin/env bash
# The zip holds Tavrel.exe alone, at its top, as built: unzipped into any
# folder, it starts from there and needs nothing else.
# usage: check_zip.sh <mingw build> <version>
set -euo pipefail
zip=$1/Tavrel-$2-win64.zip
[ "$(unzip -Z1 "$zip")" = Tavrel.exe ] || { echo "FAIL $zip holds: $(unzip -Z1 "$zip" | xargs)" >&2 && exit 1; }
unzip -p "$zip" Tavrel.exe | cmp - "$1/win32/Tavrel.exe"
echo "$(basename "$zip") holds Tavrel.exe alone, as built"
