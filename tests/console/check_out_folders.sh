#!/usr/bin/env bash
# --out of play and study names a folder that is there or can be made: one that cannot is refused with
# status 2 before anything is played, and nothing is created. A link that leads nowhere (mkdir says
# "File exists" through it), at the folder or above it, something other than a folder, and a folder
# without write permission above the new one (refused for root too) are what cannot.
#     check_out_folders.sh SIMULATOR
set -uo pipefail
simulator=$(cd "$(dirname "$1")" && pwd -P)/$(basename "$1")
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'chmod -R u+w "$work" 2> /dev/null; rm -rf "$work"' EXIT

# The commands run in the folder run; what they print goes beside it.
mkdir "$work/run" && cd "$work/run" || exit 1
ln -s nowhere dangling
ln -s /nonexistent/kadenzo/folder unmakeable
printf 'text\n' > plain.txt
mkdir kept
chmod 555 kept

failures=0
before=$(find . | sort)
# expect_refused OUT EXPECTED: each command with --out OUT ends with status 2 and EXPECTED, having
# played nothing (nothing on standard output) and created nothing.
expect_refused() {
  local out=$1 expected=$2 command
  for command in "play --attempts 10" "study --runs 2 --attempts 100"; do
    # shellcheck disable=SC2086
    "$simulator" $command --out "$out" > "$work/out" 2> "$work/err"
    local status=$?
    local name=${command%% *}
    if [ "$status" -ne 2 ] || [ -s "$work/out" ] ||
      [ "$(cat "$work/err")" != "kadenzo-sim $name: --out: $expected" ]; then
      echo "FAIL: $name --out $out: status $status, standard output: $(head -c 300 "$work/out"),"\
        "standard error: $(cat "$work/err")"
      failures=$((failures + 1))
    fi
    if [ "$(find . | sort)" != "$before" ]; then
      echo "FAIL: $name --out $out created: $(diff <(echo "$before") <(find . | sort) | grep '^>')"
      failures=$((failures + 1))
      return
    fi
  done
}
expect_refused dangling "cannot create dangling: it is a symbolic link that leads nowhere"
expect_refused dangling/sub "cannot create dangling/sub: dangling is a symbolic link that leads nowhere"
expect_refused unmakeable "cannot create unmakeable: it is a symbolic link that leads nowhere"
expect_refused unmakeable/sub "cannot create unmakeable/sub: unmakeable is a symbolic link that leads nowhere"
expect_refused plain.txt "plain.txt is not a folder"
expect_refused plain.txt/sub "cannot create plain.txt/sub: plain.txt is not a folder"
expect_refused kept/sub "cannot create kept/sub: the folder kept does not let this user create folders"
expect_refused kept/sub/deeper "cannot create kept/sub/deeper: the folder kept does not let this user create folders"

[ "$failures" -eq 0 ] && echo "every --out that no folder can be made at was refused first"
exit "$failures"
