#!/usr/bin/env bash
# Without a display `kadenzo-sim window` says so and exits with status 2, and writes no screenshot; its
# options are read first, with their values after a blank or after '=', and "--" ending them.
#   no_display_test.sh KADENZO_SIM WORK_DIR EXPECTED_MESSAGE [LAUNCHER...]
# LAUNCHER is what the program runs through (Wine for the Windows build).
set -uo pipefail
simulator=$1 work=$2 expected=$3
shift 3

mkdir -p "$work"
picture=$work/never.png
rm -f "$picture"
failed=0
for options in "--frames 1 --screenshot $picture" "--frames=1 --screenshot=$picture --"; do
  # shellcheck disable=SC2086 # the options are words; the work folder has no blank in it
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$simulator" window $options 2>&1 >/dev/null)
  status=$?
  # Windows programs end their lines with CR LF.
  message=${message//$'\r'/}
  if [ "$status" -ne 2 ]; then
    echo "window $options: exit status: expected 2, got $status"
    failed=1
  fi
  if [ "$message" != "$expected" ]; then
    printf 'window %s: standard error: expected\n%s\ngot\n%s\n' "$options" "$expected" "$message"
    failed=1
  fi
  if [ -e "$picture" ]; then
    echo "window $options: $picture was written"
    failed=1
  fi
done
exit $failed
