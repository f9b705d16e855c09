#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build, once, for
# the logic, under AddressSanitizer + UndefinedBehaviorSanitizer, and once, for the logic and
# the tool, as Windows programs built with MinGW-w64 and run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --windows

export QT_QPA_PLATFORM=offscreen
# Optimised without debug information: the quickest build of the whole suite.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DZIRDAN_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j 2

# Line tables are all a sanitizer's report needs of the debug information.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1" \
  -DZIRDAN_LOGIC_ONLY=ON -DZIRDAN_SANITIZE=ON -DZIRDAN_WERROR=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j 2

# The Windows build: logic, tool and tests only (no benchmarks), optimised without debug
# information. Wine runs in a prefix of its own inside the build folder, without a display
# and quietly.
windows_start=$SECONDS
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DZIRDAN_LOGIC_ONLY=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DZIRDAN_WERROR=ON
cmake --build build-win
export WINEPREFIX="$PWD/build-win/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# One server for the whole run: a test started while an idle server shuts down fails.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot --init >/dev/null 2>&1 || true
ctest --test-dir build-win --output-on-failure -j 2
wineserver -k 2>/dev/null || true
echo "Windows build and tests under Wine: $((SECONDS - windows_start)) s"
