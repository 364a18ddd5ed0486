#!/usr/bin/env bash
# Builds Kadenzo.dll with the host's ABI (the windows preset, in build/windows) and writes the release
# package for players, dist/Kadenzo-VERSION-windows-x64.zip: the DLL, a players' README (installing,
# settings, uninstalling), its pictures, LICENSE.txt, CHANGELOG.txt and THIRD-PARTY-NOTICES.txt
# (cmake/package_zip.cmake). The DLL check runs on the DLL it packs; the same commit gives the same
# bytes; a tree with uncommitted changes gets a warning and a README.txt that says so.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
  if [ "$1" = --help ] || [ "$1" = -h ]; then
    sed -n '2,6s/^# \{0,1\}//p' "$0"
    exit 0
  fi
  echo "usage: package.sh (it takes no arguments)" >&2
  exit 2
fi

source scripts/build-env.sh
bash scripts/setup.sh windows
if [ ! -f build/windows/CMakeCache.txt ]; then
  cmake --preset windows >/dev/null
fi
cmake --build --preset windows --target kadenzo_package
