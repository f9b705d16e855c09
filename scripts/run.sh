#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor on the bundled sample logbook.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# Optimised without debug information: the quickest build of the whole suite.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DZIRDAN_WERROR=ON
cmake --build build
exec build/zirdanlog "$PWD/data/sample.LOG"
