#!/usr/bin/env bash
# The whole test suite: the Linux build, the same tests with sanitizers, and the Windows cross build
# with its console scripts under Wine and its DLL checks, then a minute of fuzzing the console with the
# sanitizers (scripts/fuzz.sh). Stops at the first failing stage.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/build-env.sh
bash scripts/setup.sh

# One line for the JUnit file that the test validate.own_module writes (kadenzo-sim validate on our
# module), so that CTest's summary does not hide how the validator's checks went.
validate_summary() {
  local junit="build/$1/validate/kadenzo-validate.xml"
  if [ ! -f "$junit" ]; then
    echo "validate: no JUnit file ($junit)"
    return
  fi
  local checks failed crashed timed_out
  checks=$(sed -n 's/^<testsuite .* tests="\([0-9]*\)".*/\1/p' "$junit")
  failed=$(grep -c '<failure .*type="FAIL"' "$junit" || true)
  crashed=$(grep -c '<failure .*type="CRASH"' "$junit" || true)
  timed_out=$(grep -c '<failure .*type="TIMEOUT"' "$junit" || true)
  echo "validate: $checks checks, $((checks - failed - crashed - timed_out)) passed, $failed failed," \
    "$crashed crashed, $timed_out timed out ($junit)"
}

# A stage is its workflow preset: configure, build, test. CTest rewrites its log whenever it runs the
# tests, which tells a failing test run (the summary then still follows) from a failing configure or
# build.
started_stamp=$(mktemp)
trap 'rm -f "$started_stamp"' EXIT
for preset in default asan windows; do
  echo "==== $preset: configure, build and test"
  if [ "$preset" = windows ]; then
    # The build already runs the test programs under Wine to list their tests.
    bash scripts/wine-run.sh --prepare
  fi
  touch "$started_stamp"
  status=0
  cmake --workflow --preset "$preset" || status=$?
  if [ "build/$preset/Testing/Temporary/LastTest.log" -nt "$started_stamp" ]; then
    validate_summary "$preset"
  fi
  [ "$status" -eq 0 ] || exit "$status"
done

# The console with the plugin loaded, fuzzed for about a minute under AddressSanitizer and
# UndefinedBehaviorSanitizer: any crash, hang, leak or sanitizer report fails the run.
bash scripts/fuzz.sh
