#!/usr/bin/env bash
# Builds the .deb twice: the same bytes both times (reproducible with
# SOURCE_DATE_EPOCH), exactly the expected files, the Qt runtime as dependency.
# usage: check_deb.sh <build dir>
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "${BASH_SOURCE[0]}")
out=$(mktemp -d /tmp/tavrel-deb.XXXXXX)
trap 'rm -rf "$out"' EXIT

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1765000000}
for run in 1 2; do
    (cd "$build" && cpack -G DEB -B "$out/$run" >/dev/null)
done
deb=$(ls "$out"/1/tavrel_1.00_*.deb)
cmp "$deb" "$out/2/$(basename "$deb")" || { echo "two builds of the package differ" >&2; exit 1; }

diff -u "$here/installed-files.txt" <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||' | sort)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends" >&2; exit 1; }
done
echo "$(basename "$deb") is reproducible; depends on: $depends"
