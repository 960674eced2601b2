#!/usr/bin/env bash
# The zip holds Tavrel.exe, as built, and its licence, at its top: unzipped
# into any folder, it starts from there and needs nothing else.
# usage: check_zip.sh <mingw build> <version> <source folder>
set -euo pipefail
zip=$1/Tavrel-$2-win64.zip
held=$(unzip -Z1 "$zip" | sort | xargs)
[ "$held" = "LICENSE.txt Tavrel.exe" ] || { echo "FAIL $zip holds: $held" >&2 && exit 1; }
unzip -p "$zip" Tavrel.exe | cmp - "$1/win32/Tavrel.exe"
unzip -p "$zip" LICENSE.txt | cmp - "$3/LICENSE"
echo "$(basename "$zip") holds Tavrel.exe as built and its licence"
