#!/usr/bin/env bash
# The set-up script's purposes: the first command's (sim) takes none of the test or Windows tools, each
# purpose's packages are among the test command's, none installs a library third_party/ holds, and a
# purpose it does not know is refused.
#   check_setup_purposes.sh PATH/setup.sh
set -euo pipefail
setup=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

tests=$(bash "$setup" --list tests)
for purpose in sim demo windows; do
  list=$(bash "$setup" --list "$purpose")
  [ -n "$list" ] || fail "purpose $purpose lists no package"
  while read -r package; do
    grep -qx "$package" <<<"$tests" || fail "$package ($purpose) is not among the test command's packages"
  done <<<"$list"
done

sim=$(bash "$setup" --list sim)
for heavy in wine64 clang-16 clang-14 valgrind googletest libbenchmark-dev xvfb; do
  grep -qx "$heavy" <<<"$sim" && fail "the first command's set-up installs $heavy"
done
grep -qx libedit-dev <<<"$sim" || fail "the first command's set-up misses libedit-dev"
# {fmt} and stb are compiled from third_party/; a system copy installed beside them could stand in unseen.
for vendored in libfmt-dev libstb-dev; do
  grep -qx "$vendored" <<<"$tests" && fail "the set-up installs $vendored, which third_party/ holds"
done

status=0
message=$(bash "$setup" --list nonsense 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "an unknown purpose ends with status $status, not 2"
grep -q "unknown purpose 'nonsense'" <<<"$message" || fail "an unknown purpose is not named: $message"
status=0
bash "$setup" nonsense >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "installing for an unknown purpose ends with status $status, not 2"

[ "$failures" -eq 0 ] || exit 1
echo "setup: $(wc -l <<<"$sim") packages for the first command, $(wc -l <<<"$tests") for the tests"
