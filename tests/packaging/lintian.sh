#!/usr/bin/env bash
# The .deb as Debian judges it: lintian --pedantic reports nothing but the
# tags listed below with their reasons; the manual page renders without a
# warning and names every option --help shows; the changelog's latest entry
# is this version. usage: lintian.sh <build dir> <version>
set -euo pipefail
build=$(realpath "$1")
out=$(mktemp -d /tmp/tavrel-lintian.XXXXXX)
trap 'rm -rf "$out"' EXIT

# binary-has-unneeded-section: CPack's strip keeps the compilers' .comment
# notes, a few hundred bytes of version strings that Debian's own strip removes.
allowed=binary-has-unneeded-section

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/tavrel_"$2"_*.deb)
status=0
lintian --pedantic --display-level '>=pedantic' --fail-on error,warning,info,pedantic \
    --suppress-tags "$allowed" "$deb" >"$out/tags" 2>&1 || status=$?
grep -v 'running with root privileges' "$out/tags" || true
[ "$status" -eq 0 ] || { echo "lintian finds fault with $(basename "$deb")" >&2; exit 1; }

dpkg-deb -x "$deb" "$out/root"
page=$out/root/usr/share/man/man1/tavrel.1.gz
problems=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$problems" ] || { echo "the manual page: $problems" >&2; exit 1; }
rendered=$(MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
for option in $(QT_QPA_PLATFORM=none "$build/qt/tavrel" --help | grep -oE -- '--?[a-z]+'); do
    grep -qe "$option" <<<"$rendered" || { echo "the manual page lacks $option" >&2; exit 1; }
done
zcat "$out/root/usr/share/doc/tavrel/changelog.gz" | head -1 | grep -qF "tavrel ($2)" ||
    { echo "the changelog has no entry for $2" >&2; exit 1; }
echo "lintian accepts $(basename "$deb"); its manual page and changelog are in order"
