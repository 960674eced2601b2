#!/usr/bin/env bash
# Cross-builds Tavrel.exe and the program that drives it under wine with
# mingw-w64, and packs Tavrel.exe as the zip and the installer. Run by the
# wine test's fixture, so only a run that selects a wine test pays for it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset mingw >/dev/null
cmake --build --preset mingw
# Tavrel-<version>-win64.zip and Tavrel-<version>-setup.exe, and no package of an earlier build.
(cd build/mingw && rm -f ./*.zip ./*.exe && cpack >/dev/null)
