# Sourced by the wine tests: a throwaway wine prefix, removed on exit.
# Sets $wine and $exe (the absolute path of the executable named by $1).
set -euo pipefail
exe=$(realpath "$1")

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$wine" ] || { echo "wine tests: wine64 is needed (package wine64)" >&2; exit 1; }
[ -f "$exe" ] || { echo "wine tests: $exe is missing; build the mingw preset first" >&2; exit 1; }

export WINEPREFIX; WINEPREFIX=$(mktemp -d /tmp/tavrel-wine.XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installers
unset DISPLAY WAYLAND_DISPLAY
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
