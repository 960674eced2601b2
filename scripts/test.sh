#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: headless widget tests
# on Qt's offscreen platform, a smoke test of the real program under Xvfb, the
# Windows layer cross-built with mingw-w64 and run under wine, the package
# checks; then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzzer for a bounded time.
EXTRA_PACKAGES="xvfb xauth x11-utils g++-mingw-w64-x86-64-posix wine64 dpkg-dev
    file desktop-file-utils appstream clang libclang-rt-14-dev"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cmake --preset mingw
cmake --build --preset mingw

ctest --preset default "$@"
# Arguments pick tests of the main suite only: a quick run while developing.
[ $# -eq 0 ] || exit 0

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
