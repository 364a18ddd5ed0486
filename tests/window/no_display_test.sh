#!/usr/bin/env bash
# Without a display `kadenzo-sim window` says so and exits with status 2, and writes no screenshot.
#   no_display_test.sh KADENZO_SIM WORK_DIR EXPECTED_MESSAGE [LAUNCHER...]
# LAUNCHER is what the program runs through (Wine for the Windows build).
set -uo pipefail
simulator=$1 work=$2 expected=$3
shift 3

mkdir -p "$work"
picture=$work/never.png
rm -f "$picture"
message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$simulator" window --frames 1 --screenshot "$picture" 2>&1 >/dev/null)
status=$?
# Windows programs end their lines with CR LF.
message=${message//$'\r'/}
failed=0
if [ "$status" -ne 2 ]; then
  echo "exit status: expected 2, got $status"
  failed=1
fi
if [ "$message" != "$expected" ]; then
  printf 'standard error: expected\n%s\ngot\n%s\n' "$expected" "$message"
  failed=1
fi
if [ -e "$picture" ]; then
  echo "$picture was written"
  failed=1
fi
exit $failed
