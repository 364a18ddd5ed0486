#!/usr/bin/env bash
# Installs the Debian packages a purpose needs, only those that are missing: it asks dpkg first and
# calls apt-get only for the rest, so it is safe to run again.
#   setup.sh [PURPOSE...]     install what the purposes need (all of them when none is named)
#   setup.sh --list PURPOSE   print the packages of a purpose, one a line, and install nothing
# Purposes:
#   sim       build kadenzo-sim and the plugin (scripts/play.sh)
#   demo      run the desktop window under a virtual X server with software OpenGL (scripts/window.sh)
#   windows   cross-build Kadenzo.dll and run Windows programs under Wine (scripts/package.sh)
#   tests     everything the test command takes (scripts/test.sh): the three above and the test tools
set -euo pipefail

declare -A packages=(
  [sim]="cmake ninja-build g++ pkg-config libedit-dev libglfw3-dev libgl-dev"
  [demo]="xvfb xauth libgl1-mesa-dri libglx-mesa0"
  [windows]="clang-16 lld-16 llvm-16 libwine-dev wine64 patch zip"
  [tests]="googletest libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev valgrind dpkg-dev"
)
# What each purpose needs besides its own packages.
declare -A needs=([sim]="" [demo]="sim" [windows]="sim" [tests]="sim demo windows")
purposes_in_order=(sim demo windows tests)

usage() {
  echo "usage: setup.sh [sim|demo|windows|tests]... | setup.sh --list PURPOSE"
}

# The packages of the purposes named, with what they need, each once.
packages_for() {
  local purpose needed
  for purpose in "$@"; do
    for needed in ${needs[$purpose]} "$purpose"; do
      echo "${packages[$needed]}" | tr ' ' '\n'
    done
  done | awk 'NF && !seen[$0]++'
}

check_purpose() {
  if [ -z "${packages[$1]+set}" ]; then
    echo "setup.sh: unknown purpose '$1'; the purposes are ${purposes_in_order[*]}" >&2
    usage >&2
    exit 2
  fi
}

case "${1:-}" in
  --help | -h)
    sed -n '2,10s/^# \{0,1\}//p' "$0"
    exit 0
    ;;
  --list)
    [ $# -eq 2 ] || { usage >&2; exit 2; }
    check_purpose "$2"
    packages_for "$2"
    exit 0
    ;;
esac

purposes=("$@")
[ ${#purposes[@]} -gt 0 ] || purposes=(tests)
for purpose in "${purposes[@]}"; do
  check_purpose "$purpose"
done

missing=()
while read -r package; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done < <(packages_for "${purposes[@]}")

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
