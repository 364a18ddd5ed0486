#!/usr/bin/env bash
# The whole test suite: the Linux build, the same tests with sanitizers, and the Windows cross build
# with its console scripts under Wine and its DLL checks, then a minute of fuzzing the console in the
# sanitizers' tree (scripts/fuzz.sh). Stops at the first failing stage, and prints the time each stage
# took at the end, whether the run passed or not.
set -euo pipefail
cd "$(dirname "$0")/.."

# The stages' times, printed when the script ends however it ends.
stage_times=()
stage_started=$SECONDS
run_started=$SECONDS
stage_done() { # NAME: records the time since the last stage ended
  stage_times+=("$(printf '%-9s %4d s' "$1" $((SECONDS - stage_started)))")
  stage_started=$SECONDS
}
print_stage_times() {
  [ ${#stage_times[@]} -gt 0 ] || return 0
  echo "==== stage times"
  printf '%s\n' "${stage_times[@]}"
  printf '%-9s %4d s\n' total $((SECONDS - run_started))
}
trap print_stage_times EXIT

source scripts/build-env.sh
bash scripts/setup.sh
stage_done setup

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
trap 'rm -f "$started_stamp"; print_stage_times' EXIT
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
  stage_done "$preset"
  [ "$status" -eq 0 ] || exit "$status"
done

# The console with the plugin loaded, fuzzed for about a minute under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the fuzzer the asan stage built: any crash, hang, leak or sanitizer
# report fails the run.
status=0
bash scripts/fuzz.sh || status=$?
stage_done fuzz
exit "$status"
