#!/usr/bin/env bash
# A copied bin/ runs without the build folder: every program and module of ours finds pluginsdk.so
# beside itself ($ORIGIN), never by the build folder's absolute name.
#     check_relocatable_bin.sh BIN
#
# Rationale: the build folder's pluginsdk.so is never moved away, since other tests run from it at the
# same time and a test that fails midway must not leave the build without it. Instead: every run path
# in BIN is $ORIGIN alone; a copy of kadenzo-sim, the plugin module and pluginsdk.so runs, and its map
# (/proc/PID/maps) shows the copy's pluginsdk.so, not the build's; and where a private mount namespace
# can be had (unshare as root, or in a user namespace), the copy runs once more with an empty folder
# mounted over BIN, so that the build's pluginsdk.so is out of its reach as if it had been moved away,
# in that namespace only.
set -uo pipefail
bin=$(cd "$1" && pwd -P)
source "$(dirname "$0")/../copied_bin.sh"
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Every ELF file of BIN: a run path, if any, is exactly $ORIGIN; one that needs pluginsdk.so has one.
for file in "$bin"/*; do
  [ -f "$file" ] && readelf -h "$file" > /dev/null 2>&1 || continue
  dynamic=$(readelf -d "$file")
  paths=$(sed -nE 's/.*\((RPATH|RUNPATH)\).*\[(.*)\]$/\1 \2/p' <<< "$dynamic")
  name=$(basename "$file")
  if [ -n "$paths" ] && [ "$paths" != 'RUNPATH $ORIGIN' ]; then
    fail "$name has the run path \"$paths\", not RUNPATH \$ORIGIN"
  fi
  if grep -qF 'Shared library: [pluginsdk.so]' <<< "$dynamic" && [ -z "$paths" ]; then
    fail "$name needs pluginsdk.so and has no run path"
  fi
done

copy_bin "$bin" "$work/bin" || fail "cannot copy $bin"
if ! "$work/bin/kadenzo-sim" --version > "$work/version.out" 2>&1; then
  fail "the copy's --version: $(cat "$work/version.out")"
fi
if ! (cd "$work" && "$work/bin/kadenzo-sim" play --attempts 10 > "$work/play.out" 2>&1) ||
  ! grep -q '^attempts  *10$' "$work/play.out"; then
  fail "the copy's play --attempts 10: $(cat "$work/play.out")"
fi
if map_of_running_copy "$work/bin" "$work" "$work/maps"; then
  mapped=$(mapped_files "$work/maps" '/pluginsdk\.so$')
  if [ "$mapped" != "$work/bin/pluginsdk.so" ]; then
    fail "the copy mapped \"$mapped\", not $work/bin/pluginsdk.so"
  fi
else
  fail "the copy's console never loaded $work/bin/Kadenzo.so"
fi

# The same copy with BIN out of its reach: an empty folder mounted over it in a namespace of its own.
hidden_run() {
  "$@" sh -c 'mount -t tmpfs kadenzo-hidden "$1" && [ ! -e "$1/pluginsdk.so" ] || exit 99
              cd "$2" && exec "$2/bin/kadenzo-sim" play --attempts 10' sh "$bin" "$work" > "$work/hidden.out" 2>&1
}
namespace=()
for candidate in "unshare --mount" "unshare --mount --map-root-user"; do
  if $candidate true 2> /dev/null; then
    read -ra namespace <<< "$candidate"
    break
  fi
done
if [ "${#namespace[@]}" -gt 0 ]; then
  hidden_run "${namespace[@]}"
  status=$?
  if [ "$status" -eq 99 ]; then
    fail "could not hide $bin in a mount namespace: $(cat "$work/hidden.out")"
  elif [ "$status" -ne 0 ] || ! grep -q '^attempts  *10$' "$work/hidden.out"; then
    fail "the copy with $bin hidden: status $status: $(cat "$work/hidden.out")"
  fi
else
  echo "note: no mount namespace here; the copy was checked by its run paths and its map only"
fi

[ "$failures" -eq 0 ] && echo "a copied bin/ runs on its own, with the pluginsdk.so beside it"
exit "$failures"
