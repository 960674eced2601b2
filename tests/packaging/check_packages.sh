#!/usr/bin/env bash
# A staged install holds exactly the expected files, with a desktop entry and
# AppStream data the desktop's validators accept and icons of their sizes; the
# .deb holds the same files, depends on the Qt runtime, and is the same bytes
# when built twice (SOURCE_DATE_EPOCH). usage: check_packages.sh <build dir> <version>
set -euo pipefail
build=$(realpath "$1")
expected=$(dirname "${BASH_SOURCE[0]}")/installed-files.txt
out=$(mktemp -d /tmp/tavrel-packages.XXXXXX)
trap 'rm -rf "$out"' EXIT

DESTDIR="$out/stage" cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(cd "$out/stage" && find . -type f | sed 's|^\.||' | sort)
desktop-file-validate "$out/stage/usr/share/applications/org.tavrel.Tavrel.desktop"
appstreamcli validate --no-net --pedantic "$out/stage/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml"
for size in 16 32 48 64 128 256; do # a PNG's width and height: the big-endian words at 16 and 20
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$out/stage/usr/share/icons/hicolor/${size}x${size}/apps/org.tavrel.Tavrel.png" | xargs)" = "$size $size" ]
done

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1765000000}
for run in 1 2; do (cd "$build" && cpack -G DEB -B "$out/$run" >/dev/null); done
deb=$(ls "$out"/1/tavrel_"$2"_*.deb)
cmp "$deb" "$out/2/$(basename "$deb")"
diff -u "$expected" <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||' | sort)
dpkg-deb -f "$deb" Depends | grep -E 'libqt6widgets6.*qt6-qpa-plugins|qt6-qpa-plugins.*libqt6widgets6'
echo "the install and $(basename "$deb") are complete, valid and reproducible"
