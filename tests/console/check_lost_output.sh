#!/usr/bin/env bash
# Output that cannot be written is a failure: with standard output on a full disk or closed, every
# kind of run ends with a message on standard error and a non-zero status.
set -uo pipefail
simulator=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'cvars\n' > "$work/script.kz"

failures=0
expect_lost() {
  local what=$1; shift
  "$@" 2> "$work/err"
  local status=$?
  if [ "$status" -eq 0 ] || ! grep -q "cannot write standard output" "$work/err"; then
    echo "FAIL: $what: status $status, standard error: $(cat "$work/err")"
    failures=$((failures + 1))
  fi
}
expect_lost "--help to a full disk" sh -c "\"$simulator\" --help > /dev/full"
expect_lost "a script to a full disk" sh -c "\"$simulator\" \"$work/script.kz\" > /dev/full"
expect_lost "play to a full disk" sh -c "\"$simulator\" play --attempts 20 > /dev/full"
expect_lost "a script to a closed output" sh -c "\"$simulator\" \"$work/script.kz\" >&-"
[ "$failures" -eq 0 ] && echo "every lost output was reported"
exit "$failures"
