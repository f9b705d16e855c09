#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing. This is the one place that names them.
#   install-deps.sh           what the build, the tests and the programs use
#   install-deps.sh --bench   also the benchmark library
#   install-deps.sh --fuzz    also clang and its fuzzing runtime
#   install-deps.sh --windows also MinGW-w64, GoogleTest's sources and Wine, for the Windows
#                             build of the logic and the tool and its tests under Wine
set -euo pipefail

packages=(
  g++ cmake ninja-build                          # the build
  qt6-translations-l10n                          # Qt's own dialogs in the diver's language
  qt6-base-dev qt6-serialport-dev libgl-dev      # Qt 6 Widgets, Print Support, Serial Port
  fonts-liberation                               # the editor's substitutes for the Windows fonts
  libgtest-dev                                   # the tests
  lintian appstream man-db                       # the tests' checks of the Debian package
)
for group in "$@"; do
  case "$group" in
    --bench) packages+=(libbenchmark-dev) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64) ;;
    *) echo "install-deps.sh: unknown option '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
