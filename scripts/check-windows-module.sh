#!/usr/bin/env bash
# Checks what the host sees of Kadenzo.dll without running it, with LLVM's llvm-readobj: the export
# table, the DLLs it imports from, the version resource and the manifest.
#   check-windows-module.sh PATH/Kadenzo.dll VERSION        (the project's version, N.N.N.N)
# LLVM_READOBJ names another llvm-readobj than Debian's llvm-readobj-16.
set -euo pipefail

if [ $# -ne 2 ] || [ "$1" = "--help" ]; then
  echo "usage: check-windows-module.sh PATH/Kadenzo.dll VERSION"
  [ "${1:-}" = "--help" ] && exit 0 || exit 2
fi
module=$1
version=$2
[ -f "$module" ] || { echo "$module: no such file" >&2; exit 2; }
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "version '$version' is not N.N.N.N" >&2; exit 2; }
readobj=${LLVM_READOBJ:-llvm-readobj-16}
command -v "$readobj" >/dev/null || { echo "$readobj not found; run scripts/setup.sh" >&2; exit 2; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# ---- Exports: the entry points undecorated, the host base class's members under Visual C++'s names,
# nothing else.
exports=$("$readobj" --coff-exports "$module" | sed -n 's/^ *Name: //p' | sort)
class='HalvexPlugin@Plugin@Halvex@@'
required=(
  getPlugin deleteMe exports
  "??0${class}QEAA@XZ"                        # HalvexPlugin()
  "??0${class}QEAA@AEBV012@@Z"                # HalvexPlugin(const HalvexPlugin&)
  "??0${class}QEAA@\$\$QEAV012@@Z"            # HalvexPlugin(HalvexPlugin&&)
  "??4${class}QEAAAEAV012@AEBV012@@Z"         # operator=(const HalvexPlugin&)
  "??4${class}QEAAAEAV012@\$\$QEAV012@@Z"     # operator=(HalvexPlugin&&)
  "??1${class}QEAA@XZ"                        # ~HalvexPlugin(), not virtual
  "??_7${class}6B@"                           # its virtual table
  "?onLoad@${class}UEAAXXZ"                   # virtual void onLoad()
  "?onUnload@${class}UEAAXXZ"                 # virtual void onUnload()
)
for name in "${required[@]}"; do
  grep -qxF "$name" <<<"$exports" || fail "missing export $name"
done
unexpected=$(grep -vxF -f <(printf '%s\n' "${required[@]}") <<<"$exports" || true)
[ -z "$unexpected" ] || fail "exported but not part of the host interface: $(tr '\n' ' ' <<<"$unexpected")"

# ---- Imports: Windows' own DLLs, the Visual C++ runtime and the host's SDK only (no MinGW runtime,
# no Dear ImGui DLL).
imports=$("$readobj" --coff-imports "$module")
dlls=$(sed -n 's/^ *Name: \(.*\.dll\)$/\1/Ip' <<<"$imports" | tr '[:upper:]' '[:lower:]' | sort -u)
allowed='^(ucrtbase|api-ms-win-crt-[a-z0-9-]+|vcruntime140(_1)?|msvcp140(_[0-9a-z_]+)?|pluginsdk|kernel32|user32|gdi32|imm32|version|advapi32|shell32|ole32|oleaut32|ntdll)\.dll$'
for dll in $dlls; do
  [[ $dll =~ $allowed ]] || fail "imports from $dll"
done
grep -qx 'ucrtbase.dll\|api-ms-win-crt-runtime-l1-1-0.dll' <<<"$dlls" || fail "does not import the UCRT"
# Windows' ucrtbase.dll has none of the C++ runtime's functions (Wine's has): they must come from
# vcruntime140.dll.
from_ucrt=$(awk '/^ *Name: /{dll=tolower($2)} /^ *Symbol: /{if (dll == "ucrtbase.dll") print $2}' <<<"$imports" |
  grep -E '^(__CxxFrameHandler|_CxxThrowException|__std_|__C_specific_handler|__current_exception|_purecall|mem(cpy|move|set|cmp|chr)$|(str|wcs)r?chr$|(str|wcs)str$)' || true)
[ -z "$from_ucrt" ] || fail "takes from ucrtbase.dll what Windows has in vcruntime140.dll: $(tr '\n' ' ' <<<"$from_ucrt")"

# ---- Resources: llvm-readobj dumps each one's bytes; this turns a dump into "XX XX ..." lines.
resources=$("$readobj" --coff-resources "$module")
resource_bytes() { # TYPE_ID NAME_ID
  awk -v type="(ID $1)" -v name="(ID $2)" '
    /^ *Type: / { in_type = index($0, type) > 0 }
    /^ *Name: / { in_name = in_type && index($0, name) > 0 }
    /^ *Data \($/ { dumping = in_name; next }
    /^ *\)$/ { dumping = 0 }
    dumping { sub(/^ *[0-9A-F]+: /, ""); sub(/ *\|.*$/, ""); gsub(/ /, "");
              for (i = 1; i < length($0); i += 2) printf "%s ", substr($0, i, 2) }' <<<"$resources"
}

# The version resource, as lines "PATH=VALUE" for its string and variable entries and
# "FIXED NAME=VALUE" for the fixed part. A VS_VERSIONINFO node is: length, value length, type
# (1 text), a UTF-16 key, padding to 4 bytes, the value, padding, then its children.
version_info=$(resource_bytes 16 1 | awk '
  function hexval(h) { return index("0123456789ABCDEF", substr(h, 1, 1)) * 16 + index("0123456789ABCDEF", substr(h, 2, 1)) - 17 }
  function u16(at) { return byte[at] + 256 * byte[at + 1] }
  function u32(at) { return u16(at) + 65536 * u16(at + 2) }
  function text(at, limit,    s) { s = ""; while (at < limit && u16(at) != 0) { s = s sprintf("%c", u16(at)); at += 2 } return s }
  function align(at) { return at + (4 - at % 4) % 4 }
  function node(at, path,    length_, value_length, type, key, p, value, end, i) {
    length_ = u16(at); value_length = u16(at + 2); type = u16(at + 4)
    key = text(at + 6, at + length_); end = at + length_
    p = align(at + 6 + 2 * length(key) + 2)
    path = path "/" key
    if (path == "/VS_VERSION_INFO") {
      if (u32(p) != 4277077181) print "FIXED signature=bad"
      printf "FIXED FILEVERSION=%d.%d.%d.%d\n", u16(p + 10), u16(p + 8), u16(p + 14), u16(p + 12)
      printf "FIXED PRODUCTVERSION=%d.%d.%d.%d\n", u16(p + 18), u16(p + 16), u16(p + 22), u16(p + 20)
      printf "FIXED FILEFLAGSMASK=0x%X\nFIXED FILEFLAGS=0x%X\nFIXED FILEOS=0x%X\n", u32(p + 24), u32(p + 28), u32(p + 32)
      printf "FIXED FILETYPE=0x%X\nFIXED FILESUBTYPE=0x%X\n", u32(p + 36), u32(p + 40)
    } else if (value_length == 0) {
      print path
    } else if (type == 1) {
      print path "=" text(p, end)
    } else {
      value = ""
      for (i = 0; i < value_length; i += 2) value = value sprintf(" 0x%04X", u16(p + i))
      print path "=" substr(value, 2)
    }
    p = align(p + (type == 1 ? 2 * value_length : value_length))
    while (p < end) { p = align(node(p, path)) }
    return end
  }
  { for (i = 1; i <= NF; i++) byte[count++] = hexval($i) }
  END { if (count > 0) node(0, "") }')

[ -n "$version_info" ] || fail "no version resource 1"
expect() { grep -qxF "$1" <<<"$version_info" || fail "version resource lacks $1"; }
expect "FIXED FILEVERSION=$version"
expect "FIXED PRODUCTVERSION=$version"
expect "FIXED FILEFLAGSMASK=0x3F"
expect "FIXED FILEFLAGS=0x0"
expect "FIXED FILEOS=0x40004" # VOS_NT_WINDOWS32
expect "FIXED FILETYPE=0x0"   # VFT_UNKNOWN
expect "FIXED FILESUBTYPE=0x0"
tables=$(grep -c '^/VS_VERSION_INFO/StringFileInfo/[^/=]*$' <<<"$version_info" || true)
[ "$tables" -eq 1 ] || fail "expected one string table, found $tables"
strings=$(sed -n 's|^/VS_VERSION_INFO/StringFileInfo/||p' <<<"$version_info" | grep / | sort)
expected_strings="041404b0/FileVersion=$version
041404b0/InternalName=Kadenzo.dll
041404b0/OriginalFilename=Kadenzo.dll
041404b0/ProductVersion=$version"
[ "$strings" = "$expected_strings" ] || fail "string table holds:
$strings"
expect "/VS_VERSION_INFO/VarFileInfo/Translation=0x0414 0x04B0"

# ---- Manifest: resource 2 of type 24, asInvoker without UI access
manifest=$(resource_bytes 24 2 | awk '{ for (i = 1; i <= NF; i++) printf "%c", index("0123456789ABCDEF", substr($i, 1, 1)) * 16 + index("0123456789ABCDEF", substr($i, 2, 1)) - 17 }')
[ -n "$manifest" ] || fail "no manifest resource 2"
grep -q 'requestedExecutionLevel level="asInvoker" uiAccess="false"' <<<"$manifest" ||
  fail "the manifest does not request asInvoker with uiAccess false"

if [ $failures -ne 0 ]; then
  echo "$module: $failures check(s) failed"
  exit 1
fi
echo "$module: exports $(tr '\n' ' ' <<<"$exports")"
echo "$module: imports from $(tr '\n' ' ' <<<"$dlls")"
echo "$module: version resource $version, string table 041404b0, manifest asInvoker"
