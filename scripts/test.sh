#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build and once,
# for the logic, under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
# Optimised without debug information: the quickest build of the whole suite.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DZIRDAN_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j 2

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZIRDAN_LOGIC_ONLY=ON -DZIRDAN_SANITIZE=ON -DZIRDAN_WERROR=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j 2
