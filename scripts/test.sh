#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: headless widget tests
# on Qt's offscreen platform, and a smoke test of the real program under Xvfb.
EXTRA_PACKAGES="xvfb xauth x11-utils"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ctest --preset default "$@"
