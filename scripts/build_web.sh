#!/usr/bin/env bash
# Builds the page, the core compiled to WebAssembly with Emscripten, into
# build/web. Run by the browser test's fixture, so only a run that selects a
# web test pays for it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset web >/dev/null
cmake --build --preset web
