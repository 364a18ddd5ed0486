#!/usr/bin/env bash
# Writes an import library (.lib) for one of Wine's PE DLLs, listing only the functions Wine
# implements: an export whose address is one of Wine's "unimplemented" stubs (__wine_stub_*) is
# left out, so that code needing it fails to link instead of failing when it runs under Wine.
#   make-import-library.sh PATH/NAME.dll OUTPUT.lib LLVM_TOOL_SUFFIX
# LLVM_TOOL_SUFFIX is the version suffix of the LLVM tools (for example "-16").
set -euo pipefail

dll=$1
output=$2
suffix=${3:-}
name=$(basename "$dll")

readobj=llvm-readobj$suffix
nm=llvm-nm$suffix
dlltool=llvm-dlltool$suffix

image_base=$(($($readobj --file-headers "$dll" | sed -n 's/^ *ImageBase: //p')))

# Relative addresses of Wine's stubs, in decimal.
declare -A stub=()
while read -r address _ symbol; do
  [[ $symbol == __wine_stub_* ]] && stub[$((16#$address - image_base))]=1
done < <($nm "$dll")

# Exports as "NAME RVA"; forwarded ones (into another DLL) have no RVA of their own.
exports=$($readobj --coff-exports "$dll" | sed -n 's/^  Name: /name /p; s/^  RVA: /rva /p; s/^}$/end/p')

definition=$(mktemp)
trap 'rm -f "$definition"' EXIT
{
  echo "LIBRARY $name"
  echo "EXPORTS"
  export_name="" rva=""
  while read -r key value; do
    case $key in
      name) export_name=$value ;;
      rva) rva=$((value)) ;;
      end)
        if [ -n "$export_name" ] && { [ -z "$rva" ] || [ -z "${stub[$rva]:-}" ]; }; then echo "  $export_name"; fi
        export_name="" rva="" ;;
    esac
  done <<<"$exports"
} >"$definition"

$dlltool -m i386:x86-64 -d "$definition" -l "$output"
