#!/usr/bin/env bash
# Under wine, in a throwaway prefix inside an X server. "look": Tavrel.exe's
# windows read back as drawn at 96 DPI (as unpacked from the zip), 144 (the
# first scale with the double-size picture) and 192. "windows": the registry
# layer, the windows as screen readers hear them, Tavrel.exe's imports and
# version strings, the shared scenario table, the installer and uninstaller.
# usage: wine_windows.sh <mingw build> <version, as 1.00> <title> <scenario table> look|windows
set -euo pipefail
unset WAYLAND_DISPLAY
[ -n "${TAVREL_XVFB:-}" ] || exec env TAVREL_XVFB=1 bash "$(dirname "$0")/../with_display.sh" 1280x1024x24 bash "$0" "$@"
build=$(realpath "$1") version=$2 title=$3 table=$4 part=$5
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINEPREFIX; WINEPREFIX=$(mktemp -d /tmp/tavrel-wine.XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installers
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
"$wine" wineboot --init >/dev/null 2>&1
# With no window manager in the X server, wine draws the title bars itself,
# and manages the windows itself: a window left to a manager waited two
# seconds on each hiding for one that never answers.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
c=$WINEPREFIX/drive_c
reg() { "$wine" reg "$@" >/dev/null; }
fail() { echo "FAIL $*" >&2; exit 1; }
run() { "$wine" 'C:\test.exe' "$@"; }
cp "$build/tests/win32/windows_test.exe" "$c/test.exe"
cp "$build/win32/Tavrel.exe" "$table" "$(dirname "$0")"/{heard.txt,registry.txt,values.reg} "$c/"

if [ "$part" = look ]; then
    unzip -q -d "$c/unpacked" "$build/Tavrel-$version-win64.zip"
    run layout 'C:\unpacked\Tavrel.exe' 96
    for dpi in 144 192; do
        reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f
        "$wineserver" -k
        run layout 'C:\Tavrel.exe' $dpi
    done
    exit 0
fi

reg import 'C:\values.reg'
mkdir -p "$c/Program Files/Tavrel Probe" # Program.exe: what a start split at the blank would run
for copy in "Program Files/Tavrel Probe/"{probe,hidden}.exe Program.exe; do cp "$c/test.exe" "$c/$copy"; done
"$wine" attrib +h 'C:\Program Files\Tavrel Probe\hidden.exe' >/dev/null
run registry
run screenreaders
# Again with Windows' notification, through a stand-in that records it.
cp "$build/tests/win32/uiautomationcore.dll" "$c/"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uiautomationcore=n" run screenreaders
rm "$c/uiautomationcore.dll"

imports=$(x86_64-w64-mingw32-objdump -p "$build/win32/Tavrel.exe" | awk '/DLL Name/ {print $3}' | sort | xargs)
[ "$imports" = "ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll USER32.dll msvcrt.dll" ] || fail "imports: $imports"
versions=$(strings -el "$build/win32/Tavrel.exe" | grep -A1 -xE 'StringFileInfo|ProductName|InternalName|OriginalFilename|FileVersion|ProductVersion' | xargs)
[ "$versions" = "StringFileInfo 040904B0 ProductName $title InternalName Tavrel OriginalFilename Tavrel.exe FileVersion $version ProductVersion $version" ] || fail "version strings: $versions"
echo "PASS imports and version strings"
# With no tool registered, "System Info..." answers with its message.
reg delete 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /f
run scenarios 'C:\Tavrel.exe' 'C:\scenarios.txt'

# Installed per machine, with a shortcut and the Apps entry; uninstalled, nothing of it is left.
before=$(cd "$c" && find . -path ./users -prune -o -print | sort)
"$wine" "$build/Tavrel-$version-setup.exe" /S
"$wineserver" -w
app='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel'
for file in "Program Files/Tavrel/"{Tavrel.exe,Uninstall.exe,LICENSE.txt} "ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrel/Tavrel.lnk"; do
    [ -f "$c/$file" ] || fail "not installed: $file"; done
entry=$("$wine" reg query "$app" | tr -d '\r' | awk '/Display|Publisher/ {$2=""; print}' | sort | tr -s ' \n' '  ')
[ "$entry" = "DisplayIcon C:\\Program Files\\Tavrel\\Tavrel.exe DisplayName Tavrel DisplayVersion $version Publisher The Tavrel developers " ] ||
    fail "Apps entry: $entry"
"$wine" 'C:\Program Files\Tavrel\Uninstall.exe' /S # it runs on from a copy of itself
for _ in $(seq 100); do [ -e "$c/Program Files/Tavrel" ] || break; sleep 0.2; done
"$wineserver" -w
diff <(echo "$before") <(cd "$c" && find . -path ./users -prune -o -print | sort) || fail "left after uninstalling"
! "$wine" reg query "$app" >/dev/null 2>&1 || fail "Apps entry left after uninstalling"
echo "PASS installed and uninstalled"
