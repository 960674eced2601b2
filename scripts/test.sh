#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core's and the Qt
# front-end's headless, a smoke test of the real program under Xvfb, the
# package checks; Tavrel.exe cross-built with mingw-w64, packed as a zip and an
# installer, and driven under wine; then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzer for a bounded time.
EXTRA_PACKAGES="xvfb xauth x11-utils g++-mingw-w64-x86-64-posix wine64 nsis unzip dpkg-dev
    file desktop-file-utils appstream clang libclang-rt-14-dev"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cmake --preset mingw
cmake --build --preset mingw
(cd build/mingw && cpack) # Tavrel-1.00-win64.zip and Tavrel-1.00-setup.exe

ctest --preset default "$@"
# Arguments pick tests of the main suite only: a quick run while developing.
[ $# -eq 0 ] || exit 0

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
