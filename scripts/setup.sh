#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# it asks dpkg first and only calls apt-get for what is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libfmt-dev libstb-dev libedit-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-16 lld-16 llvm-16 libwine-dev wine64 patch
  dpkg-dev
  clang-14 libclang-rt-14-dev valgrind
  libglfw3-dev libgl-dev libgl1-mesa-dri libglx-mesa0 xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
