#!/usr/bin/env bash
# No output of any command is written over a file kadenzo-sim has loaded, whether or not it is one it
# names: its pluginsdk.so, under its own name or a hard link's, and, as root, the system's libraries it
# maps. Each is refused with status 2 before anything runs, and is left as it was.
#     check_loaded_outputs.sh BIN
#
# Rationale: the commands run on a copy of BIN (kadenzo-sim, the module and pluginsdk.so, which the copy
# loads from beside itself: build.relocatable_bin), so that a refusal lost would overwrite the copy,
# never the build's pluginsdk.so that other tests are using. A system library cannot be copied so: as
# root its commands run, where a mount namespace can be had, with the library bind-mounted onto itself,
# so that should the refusal ever be lost the rename meets a mount point and fails (EBUSY) instead of
# replacing the system's library. Without a namespace they run as they are; the refusal comes before
# anything is created.
set -uo pipefail
bin=$(cd "$1" && pwd -P)
source "$(dirname "$0")/../copied_bin.sh"
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'chmod -R u+w "$work" 2> /dev/null; rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

copy_bin "$bin" "$work/bin" || fail "cannot copy $bin"
sim=$work/bin/kadenzo-sim
library=$work/bin/pluginsdk.so
if ! map_of_running_copy "$work/bin" "$work" "$work/maps" ||
  [ "$(mapped_files "$work/maps" '/pluginsdk\.so$')" != "$library" ]; then
  # Nothing is run that could write over the build's own pluginsdk.so.
  echo "FAIL: the copy does not load $library (see build.relocatable_bin)"
  exit 1
fi

# Names of the copy's pluginsdk.so that the picture-writing commands take: hard links ending in .png.
mkdir "$work/pictures"
names=("$library" "$work/pluginsdk-link.png" "$work/pictures/speed.png" "$work/pictures/study.png")
ln "$library" "$work/pristine"
# Every name back on the copy's pluginsdk.so, after a case that wrote over one, so that each case
# after it is tried on its own.
link_names() {
  local name
  for name in "${names[@]}"; do ln -f "$work/pristine" "$name"; done
}
link_names
printf 'frame 1\nscreenshot pluginsdk-link.png\n' > "$work/screenshot.kz"
# A plugin module loaded in the middle of a run, and the same file under a picture's name.
cp "$bin/Kadenzo.so" "$work/later.so"
ln "$work/later.so" "$work/later-link.png"
printf 'plugin unload\nplugin load later.so\nframe 1\nscreenshot later-link.png\n' > "$work/later.kz"

fingerprint() {
  sha256sum "$1" | cut -d' ' -f1
  stat -c '%i %s %Y' "$1"
}

# expect_refused FILE EXPECTED COMMAND...: status 2, EXPECTED on standard error, nothing on standard
# output (nothing ran), FILE as it was.
expect_refused() {
  local file=$1 expected=$2
  shift 2
  local before
  before=$(fingerprint "$file")
  (cd "$work" && "$@" > "$work/out" 2> "$work/err")
  local status=$?
  if [ "$status" -ne 2 ] || ! grep -qF -- "$expected" "$work/err" || [ -s "$work/out" ]; then
    fail "$*: status $status, standard output: $(head -c 300 "$work/out"), standard error: $(cat "$work/err")"
  fi
  if [ "$(fingerprint "$file")" != "$before" ]; then
    fail "$*: $file changed"
  fi
  link_names
}

loaded="it is the same file as $library, a library kadenzo-sim has loaded"
for output in bin/pluginsdk.so "$library"; do
  named=$loaded
  [ "$output" = "$library" ] && named="$library: it is a library kadenzo-sim has loaded"
  expect_refused "$library" "$named" "$sim" play --attempts 10 --csv "$output"
  expect_refused "$library" "$named" "$sim" study --csv "$output"
  expect_refused "$library" "$named" "$sim" study --json "$output"
  expect_refused "$library" "$named" "$sim" validate --junit "$output"
  expect_refused "$library" "$named" "$sim" validate --json "$output"
  expect_refused "$library" "$named" "$sim" --config "$output" play --attempts 10
done
expect_refused "$library" "cannot write pictures/speed.png: $loaded" "$sim" play --attempts 10 --out pictures
expect_refused "$library" "cannot write pictures/study.png: $loaded" "$sim" study --out pictures
expect_refused "$library" "cannot write pluginsdk-link.png: $loaded" "$sim" window --screenshot pluginsdk-link.png
expect_refused "$library" "screenshot.kz:2: cannot write pluginsdk-link.png: $loaded" "$sim" screenshot.kz
expect_refused "$work/later.so" "later.kz:4: cannot write later-link.png: it is the same file as later.so" \
  "$sim" later.kz

# The system's libraries the copy maps, which the run does not name: refused as root, who could write them.
if [ "$(id -u)" -ne 0 ]; then
  echo "note: not root; the system's libraries, which only root may write, were not tried"
else
  namespace=()
  if unshare --mount true 2> /dev/null; then
    namespace=(unshare --mount sh -c 'mount --bind "$1" "$1" && shift && exec "$@"' sh)
  else
    echo "note: no mount namespace here; the system's libraries were tried unguarded"
  fi
  systems=$(mapped_files "$work/maps" '/lib(c\.so\.6|stdc\+\+\.so\.6[.0-9]*)$' | grep -vF "$work/")
  [ -n "$systems" ] || fail "the copy maps neither libc.so.6 nor libstdc++: $(cat "$work/maps")"
  for system in $systems; do
    guard=()
    [ "${#namespace[@]}" -gt 0 ] && guard=("${namespace[@]}" "$system")
    named="$system: it is a library kadenzo-sim has loaded"
    expect_refused "$system" "$named" "${guard[@]}" "$sim" play --attempts 10 --csv "$system"
    expect_refused "$system" "$named" "${guard[@]}" "$sim" study --csv "$system"
    expect_refused "$system" "$named" "${guard[@]}" "$sim" study --json "$system"
    expect_refused "$system" "$named" "${guard[@]}" "$sim" validate --junit "$system"
    expect_refused "$system" "$named" "${guard[@]}" "$sim" validate --json "$system"
    expect_refused "$system" "$named" "${guard[@]}" "$sim" --config "$system" play --attempts 10
  done
fi

[ "$failures" -eq 0 ] && echo "no output was written over a file kadenzo-sim has loaded"
exit "$failures"
