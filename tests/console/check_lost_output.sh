#!/usr/bin/env bash
# Output that cannot be written is a failure: with standard output on a full disk or closed, every
# kind of run ends with a message on standard error and a non-zero status; with standard error so, a
# run that wrote to it ends with status 1 unless it failed already.
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

# Standard error lost is output lost too: status 1, or the run's own failure. Nothing can be said of it.
expect_status() {
  local what=$1 expected=$2
  shift 2
  "$@" > /dev/null
  local status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "FAIL: $what: status $status, not $expected"
    failures=$((failures + 1))
  fi
}
printf 'plugin unload\nplugin unload\n' > "$work/failing.kz"
expect_status "study's table to a full disk" 1 \
  sh -c "\"$simulator\" study --runs 2 --attempts 100 --csv - 2> /dev/full"
expect_status "play's windows to a full disk" 1 sh -c "\"$simulator\" play --attempts 20 --csv - 2> /dev/full"
expect_status "play's notice of a clamped value to a full disk" 1 \
  sh -c "\"$simulator\" play --attempts 20 --set idealAccuracy=2 2> /dev/full"
expect_status "play's notice of a clamped value to a closed stream" 1 \
  sh -c "\"$simulator\" play --attempts 20 --set idealAccuracy=2 2>&-"
expect_status "a script's error to a full disk" 2 sh -c "\"$simulator\" \"$work/failing.kz\" 2> /dev/full"
expect_status "a usage error to a full disk" 2 sh -c "\"$simulator\" play --attempts 0 2> /dev/full"
expect_status "a run that writes nothing there" 0 sh -c "\"$simulator\" play --attempts 20 2> /dev/full"
[ "$failures" -eq 0 ] && echo "every lost output was reported"
exit "$failures"
