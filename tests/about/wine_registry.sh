#!/usr/bin/env bash
# Runs the Windows build's registry test under wine, in a throwaway prefix
# filled with the values it reads. usage: wine_registry.sh registry_wine_test.exe
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"

reg() { "$wine" reg "$@" >/dev/null; }
reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ \
    /d 'C:\Program Files\Tavrel Probe\probe.exe' /f
reg add 'HKLM\SOFTWARE\Tavrel Test' /v Dword /t REG_DWORD /d 0x00012345 /f
reg add 'HKLM\SOFTWARE\Tavrel Test' /v Expandable /t REG_EXPAND_SZ /d '%SystemRoot%' /f
reg add 'HKLM\SOFTWARE\Tavrel Test' /v Empty /t REG_BINARY /f

# Texts without a terminator can only be imported as raw bytes of type 1.
hexbytes() { printf '78,%.0s' $(seq "$1") | sed 's/,$//'; }
{
    echo 'Windows Registry Editor Version 5.00'
    echo
    echo '[HKEY_LOCAL_MACHINE\SOFTWARE\Tavrel Test]'
    echo '"Unterminated"=hex(1):41,42,43'
    echo "\"Bytes1023\"=hex(1):$(hexbytes 1023)"
    echo "\"Bytes1025\"=hex(1):$(hexbytes 1025)"
} > "$WINEPREFIX/drive_c/values.reg"
reg import 'C:\values.reg'

probe_dir="$WINEPREFIX/drive_c/Program Files/Tavrel Probe"
mkdir -p "$probe_dir"
cp "$exe" "$probe_dir/probe.exe"
cp "$exe" "$probe_dir/hidden.exe"
"$wine" attrib +h 'C:\Program Files\Tavrel Probe\hidden.exe' >/dev/null
cp "$exe" "$WINEPREFIX/drive_c/Program.exe" # what a start split at the blank would run

"$wine" "$exe"
