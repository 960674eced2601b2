#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core's, the Qt
# front-end's headless, a smoke test of the real program under Xvfb, the
# package checks, Tavrel.exe cross-built with mingw-w64, packed as a zip and
# an installer, and driven under wine, and the page built with Emscripten and
# driven in headless Chromium, WebKitGTK and Firefox ESR; and beside them the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzzer for a bounded time, and the core's tests built with clang and libc++
# (the standard library of macOS and of the web's toolchain).
#
# With arguments (any CTest options, e.g. -R tst_descent or -L wine) it runs
# only the selected tests of the main suite, and builds only the programs
# they run; Tavrel.exe is cross-built only when a wine test is selected, the
# page only when a web test is.
EXTRA_PACKAGES="libgtest-dev xvfb xauth x11-utils at-spi2-core dbus-daemon python3-pyatspi g++-mingw-w64-x86-64-posix wine64 nsis unzip
    dpkg-dev file desktop-file-utils appstream lintian man-db clang libclang-rt-14-dev libc++-dev libc++abi-dev
    googletest emscripten chromium chromium-driver python3-selenium python3-pil firefox-esr webkit2gtk-driver"
command -v npm >/dev/null || EXTRA_PACKAGES+=" npm"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The browser test's accessibility checker, axe-core, at the version
# tests/web/package-lock.json pins; again whenever the lock file changes.
axe=tests/web/node_modules/axe-core/axe.min.js
if [ ! -f "$axe" ] || [ tests/web/package-lock.json -nt "$axe" ]; then
    npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
fi

build=$PWD/build/default
if [ $# -eq 0 ]; then
    cmake --build --preset default
else
    # The build tree's files that the selected tests run or require, as
    # target names: read from CTest's description of the tests, which names
    # them even before they are built. A test that reads the whole build
    # tree (the package test) needs it all.
    targets=()
    while read -r word; do
        case $word in
        "$build") targets=(all) && break ;;
        "$build"/*) [ -d "$word" ] || targets+=("$(basename "$word")") ;;
        esac
    done < <(ctest --preset default --show-only=json-v1 "$@" | grep -o '"[^"]*"' | tr -d '"')
    if ((${#targets[@]})); then
        cmake --build --preset default --target "${targets[@]}"
    fi
fi

[ $# -eq 0 ] || exec ctest --preset default "$@"

# The other presets are built and run meanwhile, their builds at the lowest
# priority: the main suite's wine and browser tests mostly wait, and the
# other presets would otherwise follow it. Their output is shown after it.
others_log=$PWD/build/other-presets.log
setsid bash -c 'for preset in sanitize fuzz libcxx; do
    cmake --preset $preset >/dev/null && nice -n 19 cmake --build --preset $preset &&
        ctest --preset $preset || exit 1
done' >"$others_log" 2>&1 &
others=$! # its own process group, so that a failing suite stops them too
trap 'kill -- -$others 2>/dev/null || true' EXIT
ctest --preset default
wait $others && status=0 || status=$?
cat "$others_log"
exit $status
