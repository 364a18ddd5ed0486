#!/usr/bin/env bash
# The whole test suite: the Linux build, the same tests with sanitizers, and the Windows cross build
# with its console scripts under Wine and its DLL checks, then a minute of fuzzing the console with the
# sanitizers (scripts/fuzz.sh). Stops at the first failing stage.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/fetch-imgui-source.sh

for preset in default asan windows; do
  echo "==== $preset: configure and build"
  if [ "$preset" = windows ]; then
    # The build already runs the test programs under Wine to list their tests.
    bash scripts/wine-run.sh --prepare
  fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "==== $preset: test"
  ctest --preset "$preset"
done

# The console with the plugin loaded, fuzzed for about a minute under AddressSanitizer and
# UndefinedBehaviorSanitizer: any crash, hang, leak or sanitizer report fails the run.
bash scripts/fuzz.sh
