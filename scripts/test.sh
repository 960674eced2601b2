#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: headless widget tests
# on Qt's offscreen platform, a smoke test of the real program under Xvfb, and
# the Windows registry layer, cross-built with mingw-w64 and run under wine.
EXTRA_PACKAGES="xvfb xauth x11-utils g++-mingw-w64-x86-64-posix wine64 dpkg-dev desktop-file-utils appstream"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cmake --preset mingw
cmake --build --preset mingw

ctest --preset default "$@"
