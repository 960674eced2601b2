#!/usr/bin/env bash
# Runs one test executable of the Windows build under wine, in a fresh prefix.
# usage: wine_run.sh test.exe
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"
"$wine" "$exe"
