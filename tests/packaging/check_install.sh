#!/usr/bin/env bash
# Installs the build into a staging folder: exactly the expected files, and a
# desktop entry and AppStream data that the desktop's own validators accept.
# usage: check_install.sh <build dir>
set -euo pipefail
build=$1
here=$(dirname "${BASH_SOURCE[0]}")
stage=$(mktemp -d /tmp/tavrel-stage.XXXXXX)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
diff -u "$here/installed-files.txt" <(cd "$stage" && find . -type f | sed 's|^\.||' | sort)

desktop-file-validate "$stage/usr/share/applications/org.tavrel.Tavrel.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 \
        "$stage/usr/share/icons/hicolor/${size}x${size}/apps/org.tavrel.Tavrel.png")
    [ "$width $height" = "$size $size" ] || { echo "icon ${size}x${size} is ${width}x${height}" >&2; exit 1; }
done
echo "staged install is complete and valid"
