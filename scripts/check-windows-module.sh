#!/usr/bin/env bash
# Checks what the host sees of Kadenzo.dll without running it: the export table (MinGW objdump) and
# the version resource and manifest (decompiled by MinGW windres).
#   check-windows-module.sh PATH/Kadenzo.dll
set -euo pipefail

if [ $# -ne 1 ] || [ "$1" = "--help" ]; then
  echo "usage: check-windows-module.sh PATH/Kadenzo.dll"
  [ $# -eq 1 ] && exit 0 || exit 2
fi
module=$1
[ -f "$module" ] || { echo "$module: no such file" >&2; exit 2; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# ---- Exports: the three entry points undecorated, the host base class's members, nothing else
exports=$(x86_64-w64-mingw32-objdump -p "$module" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p' | sort)
base=_ZN6Halvex6Plugin12HalvexPlugin
for required in getPlugin deleteMe exports \
    ${base}C1Ev ${base}C1ERKS1_ ${base}C1EOS1_ ${base}aSERKS1_ ${base}aSEOS1_ ${base}D1Ev \
    ${base}6onLoadEv ${base}8onUnloadEv _ZTVN6Halvex6Plugin12HalvexPluginE; do
  grep -qx "$required" <<<"$exports" || fail "missing export $required"
done
unexpected=$(grep -v -x -E 'getPlugin|deleteMe|exports|_Z(N|TV|TI|TS)N?6Halvex6Plugin12HalvexPlugin.*' <<<"$exports" || true)
[ -z "$unexpected" ] || fail "exported but not part of the host interface: $(tr '\n' ' ' <<<"$unexpected")"

# Its own Dear ImGui, not one from another DLL.
imports=$(x86_64-w64-mingw32-objdump -p "$module" | sed -n 's/^[[:space:]]*DLL Name: //p')
if grep -qi imgui <<<"$imports"; then fail "imports Dear ImGui from a DLL"; fi

# ---- Version resource
resources=$(x86_64-w64-mingw32-windres -i "$module" -O rc)
field() { sed -n "s/^[[:space:]]*$1[[:space:]]\+//p" <<<"$resources"; }
expect_field() {
  local actual
  actual=$(field "$1")
  [ "$actual" = "$2" ] || fail "$1 is '${actual}', expected '$2'"
}
expect_field FILEVERSION "1, 0, 0, 131"
expect_field PRODUCTVERSION "1, 0, 0, 131"
expect_field FILEFLAGSMASK 0x3f
expect_field FILEOS 0x40004 # VOS_NT_WINDOWS32
# windres leaves out fields that are zero: file flags, file type (VFT_UNKNOWN) and subtype.
for zero in FILEFLAGS FILETYPE FILESUBTYPE; do
  [ -z "$(field $zero)" ] || fail "$zero is $(field $zero), expected 0"
done

tables=$(grep -c '^[[:space:]]*BLOCK "[0-9a-fA-F]\{8\}"' <<<"$resources" || true)
[ "$tables" -eq 1 ] || fail "expected one string table, found $tables"
grep -q '^[[:space:]]*BLOCK "041404b0"' <<<"$resources" || fail 'no string table "041404b0"'
strings=$(sed -n '/BLOCK "041404b0"/,/END/p' <<<"$resources" | sed -n 's/^[[:space:]]*VALUE //p')
expected_strings='"FileVersion", "1.0.0.131"
"InternalName", "Kadenzo.dll"
"OriginalFilename", "Kadenzo.dll"
"ProductVersion", "1.0.0.131"'
[ "$(sort <<<"$strings")" = "$expected_strings" ] || fail "string table holds:
$strings"
grep -q 'VALUE "Translation", 0x414, 1200' <<<"$resources" || fail "translation is not 0x414, 1200"

# ---- Manifest: resource 2 of type 24, asInvoker without UI access
manifest=$(sed -n '/^2 24/,/^END/p' <<<"$resources")
[ -n "$manifest" ] || fail "no manifest resource 2"
grep -q 'requestedExecutionLevel level=""asInvoker"" uiAccess=""false""' <<<"$manifest" ||
  fail "the manifest does not request asInvoker with uiAccess false"

if [ $failures -ne 0 ]; then
  echo "$module: $failures check(s) failed"
  exit 1
fi
echo "$module: exports $(tr '\n' ' ' <<<"$exports")"
echo "$module: version resource 1.0.0.131, string table 041404b0, manifest asInvoker"
