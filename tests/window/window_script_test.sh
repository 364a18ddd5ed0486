#!/usr/bin/env bash
# Runs `kadenzo-sim window --script SCRIPT` for six frames under a virtual X server and checks how the
# run ends: its exit status and its standard error, which is empty unless LINE and MESSAGE say it is
# "SCRIPT:LINE: MESSAGE". The script ends with "after 3 ui", which lists the windows once its other lines
# have run: a run that went on lists them, one that ended at a failing line before does not.
#   window_script_test.sh KADENZO_SIM WORK_DIR SCRIPT.kz STATUS [LINE MESSAGE]
set -uo pipefail
simulator=$1 work=$2 script=$3 expected_status=$4
expected_error=""
if [ $# -ge 6 ]; then expected_error="$script:$5: $6"; fi

mkdir -p "$work"
output=$work/$(basename "$script" .kz).txt
export LIBGL_ALWAYS_SOFTWARE=1
launcher=()
if [ -n "${KADENZO_WINDOW_PRELOAD:-}" ]; then
  launcher+=(env "LD_PRELOAD=$KADENZO_WINDOW_PRELOAD")
fi
# As in window_layout_test.sh, the pointer starts outside the window and hovers over nothing.
error=$(xvfb-run -a -s "-screen 0 4000x2400x24" \
  "${launcher[@]}" "$simulator" window --script "$script" --frames 6 2>&1 >"$output")
status=$?

failed=0
if [ "$status" -ne "$expected_status" ]; then
  echo "exit status: expected $expected_status, got $status"
  failed=1
fi
if [ "$error" != "$expected_error" ]; then
  printf 'standard error: expected\n%s\ngot\n%s\n' "$expected_error" "$error"
  failed=1
fi
listed=0
if grep -qE '^window "' "$output"; then listed=1; fi
if [ "$expected_status" -eq 0 ] && [ "$listed" -eq 0 ]; then
  echo "the windows were not listed: the script stopped before its last line"
  failed=1
elif [ "$expected_status" -ne 0 ] && [ "$listed" -eq 1 ]; then
  echo "the windows were listed: the script went on after its failing line"
  failed=1
fi
if [ "$failed" -ne 0 ]; then
  echo "--- standard output ($output):"
  cat "$output"
fi
exit $failed
