#!/usr/bin/env bash
# The .deb unpacked as a user's system holds it, everything under /usr: the
# AppStream data is named after its id and launches the installed desktop
# entry, whose Exec starts the installed program (an ELF whose libraries are
# all found), in a window of its own, and whose Icon is in the hicolor theme at every size, each PNG of
# its folder's size; both name the project's licence; both validators accept them. The .deb and a staged
# install hold exactly the expected files, the .deb depends on the Qt runtime
# and is the same bytes when built twice (SOURCE_DATE_EPOCH).
# usage: check_packages.sh <build dir> <version>
set -euo pipefail
build=$(realpath "$1")
expected=$(dirname "${BASH_SOURCE[0]}")/installed-files.txt
out=$(mktemp -d /tmp/tavrel-packages.XXXXXX) && root=$out/root
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL $*" >&2; exit 1; }

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1765000000}
for run in 1 2; do (cd "$build" && cpack -G DEB -B "$out/$run" >/dev/null); done
deb=$(ls "$out"/1/tavrel_"$2"_*.deb)
dpkg-deb -x "$deb" "$root"
[ "$(ls -A "$root")" = usr ] || fail "installed outside /usr: $(ls -A "$root" | xargs)"
meta=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$meta")
[ "$(basename "$meta")" = "$id.metainfo.xml" ] || fail "$(basename "$meta") holds the id $id"
entry=$root/usr/share/applications/$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$meta")
[ -f "$entry" ] || fail "the AppStream data launches ${entry#"$root"}, not installed"
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry") icon=$(sed -n 's/^Icon=//p' "$entry")
[[ $exec = /* ]] && program=$root$exec || program=$root/usr/bin/$exec
[ -f "$program" ] && [ -x "$program" ] || fail "Exec=$exec: no such program installed"
file -b "$program" | grep -q '^ELF .* executable' && ! ldd "$program" | grep 'not found' ||
    fail "Exec=$exec: not a program that links"
for size in 16 32 48 64 128 256; do
    file -b "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" | grep -q "^PNG image data, $size x $size," ||
        fail "Icon=$icon: no ${size}x$size PNG installed"
done
file -b "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" | grep -q '^SVG' || fail "Icon=$icon: no SVG installed"
# What a launcher and a software centre show, which the validators leave open.
grep -qx Type=Application "$entry" && grep -qx Terminal=false "$entry" && ! grep -Eq '^(NoDisplay|Hidden)=true' "$entry" ||
    fail "${entry#"$root"} does not start a window of its own from the menu"
licence=$(sed -n 's/ License$//p;q' "$(dirname "${BASH_SOURCE[0]}")/../../LICENSE") # MIT, as Debian says Expat
grep -q "<project_license>$licence</project_license>" "$meta" || fail "the AppStream data names another licence than $licence"
sed -n '/^Files: \*$/,/^$/p' "$root/usr/share/doc/tavrel/copyright" | grep -qx 'License: Expat' || fail "copyright: the program is not under Expat"
desktop-file-validate "$entry"
appstreamcli validate --no-net --pedantic "$meta"

cmp "$deb" "$out/2/$(basename "$deb")"
DESTDIR="$out/stage" cmake --install "$build" --prefix /usr >/dev/null
for tree in "$root" "$out/stage"; do diff -u "$expected" <(cd "$tree" && find . ! -type d | sed 's|^\.||' | sort); done
dpkg-deb -f "$deb" Depends | grep -E 'libqt6widgets6.*qt6-qpa-plugins|qt6-qpa-plugins.*libqt6widgets6'
echo "the install and $(basename "$deb") are complete, valid, reproducible and start as installed"
