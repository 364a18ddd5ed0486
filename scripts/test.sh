#!/usr/bin/env bash
# The whole test suite: the Linux build and the same tests with sanitizers. Stops at the first
# failing stage. The Windows cross build is not part of it yet.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in default asan; do
  echo "==== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "==== $preset: test"
  ctest --preset "$preset"
done
