#!/usr/bin/env bash
# Writes the release package from a built Kadenzo.dll, as `kadenzo_package` does, and checks what a
# player unpacks: exactly the files it should hold, the DLL unchanged and passing the DLL check, the
# texts with Windows line endings, the README's installing, settings and uninstalling naming only files
# the archive holds, the pictures it shows, the licences; and that packaging is reproducible, leaves
# nothing on failure, refuses a DLL that fails the DLL check and marks a tree with uncommitted changes.
#   check_package.sh PATH/Kadenzo.dll VERSION SOURCE_DIR WORK_DIR IMGUI_RELEASE FMT_RELEASE
# (the releases of Dear ImGui and {fmt} the build compiled, which the notices must name).
set -euo pipefail

if [ $# -ne 6 ]; then
  echo "usage: check_package.sh PATH/Kadenzo.dll VERSION SOURCE_DIR WORK_DIR IMGUI_RELEASE FMT_RELEASE" >&2
  exit 2
fi
module=$1
version=$2
source_dir=$3
work=$4
imgui_release=$5
fmt_release=$6

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work/unpacked"
zip="$work/Kadenzo-$version-windows-x64.zip"
cmake -DMODULE="$module" -DVERSION="$version" -DSOURCE_DIR="$source_dir" -DOUTPUT="$zip" \
  -P "$source_dir/cmake/package_zip.cmake"

listed=$(cmake -E tar tf "$zip" | sort)
listing=$(tr '\n' ' ' <<<"$listed")
expected="CHANGELOG.txt Kadenzo.dll LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt overlay.png study.png "
[ "$listing" = "$expected" ] || fail "the archive holds '$listing', not '$expected'"
leftovers=$(find "$work" -maxdepth 1 -name '.*' ! -name . | wc -l)
[ "$leftovers" -eq 0 ] || fail "the packaging left $leftovers file(s) of its own beside the archive"

(cd "$work/unpacked" && cmake -E tar xf "$zip")
unpacked="$work/unpacked"
cmp -s "$module" "$unpacked/Kadenzo.dll" || fail "Kadenzo.dll in the archive differs from the build's"
bash "$source_dir/scripts/check-windows-module.sh" "$unpacked/Kadenzo.dll" "$version" \
  || fail "the DLL in the archive fails the DLL check"

for text in README.txt LICENSE.txt CHANGELOG.txt THIRD-PARTY-NOTICES.txt; do
  file="$unpacked/$text"
  [ -s "$file" ] || { fail "$text is empty"; continue; }
  lines=$(wc -l <"$file")
  crlf=$(grep -c $'\r$' "$file" || true)
  [ "$lines" -eq "$crlf" ] || fail "$text: $((lines - crlf)) of its $lines lines do not end in CR LF"
done

readme="$unpacked/README.txt"
for heading in "## Installing" "## Uninstalling" "## Settings" "## Troubleshooting"; do
  grep -q "^$heading" "$readme" || fail "README.txt has no section '$heading'"
done
grep -q 'Kadenzo.dll' "$readme" || fail "README.txt never names Kadenzo.dll"
grep -q 'Visual C++' "$readme" || fail "README.txt does not name the Visual C++ runtime"
grep -q '](docs/' "$readme" && fail "README.txt links pictures as the repository holds them"
for picture in overlay.png study.png; do
  cmp -s "$source_dir/docs/$picture" "$unpacked/$picture" || fail "$picture differs from docs/$picture"
  grep -q "^Picture $picture: " "$readme" || fail "README.txt does not show $picture"
done
# Every file README.txt names is one the archive holds, under the name it holds it by; but for the
# Visual C++ runtime's DLLs, which it tells a player to install, and the archive's own name.
not_packaged='^(VCRUNTIME140\.dll|MSVCP140\.dll|Kadenzo-VERSION-windows-x64\.zip)$'
named=$(tr -d '\r' <"$readme" | grep -oE '[A-Za-z0-9_.-]+\.(dll|txt|md|png|zip|exe|cfg)\b|\b(LICENSE|CHANGELOG)\b' |
  sort -u)
for name in $named; do
  [[ $name =~ $not_packaged ]] && continue
  grep -qxF "$name" <<<"$listed" || fail "README.txt names $name, which the archive does not hold"
done
grep -qiE 'scripts/|\bbuild (it|the)' "$readme" && fail "README.txt tells a player to build something"
grep -q '^## Trying it without the game' "$readme" && fail "README.txt goes on past the players' part"
grep -q '<!--' "$readme" && fail "README.txt holds the README's comments"
settings=$(grep -c '^| `[A-Za-z]*` |' "$readme" || true)
[ "$settings" -eq 13 ] || fail "README.txt's settings table has $settings rows, not 13"

grep -q '^MIT License' "$unpacked/LICENSE.txt" || fail "LICENSE.txt is not Kadenzo's MIT licence"
grep -q "^## $version" "$unpacked/CHANGELOG.txt" || fail "CHANGELOG.txt has no entry for $version"
# Read whole first: grep -q leaving a pipe early would fail the pipeline under pipefail.
notices=$(tr -d '\r' <"$unpacked/THIRD-PARTY-NOTICES.txt")
for library in "Dear ImGui $imgui_release" "{fmt} $fmt_release" "Microsoft's C++ standard library (STL)"; do
  grep -qxF "$library" <<<"$notices" || fail "THIRD-PARTY-NOTICES.txt has no heading '$library'"
done
grep -q 'Apache License' "$unpacked/THIRD-PARTY-NOTICES.txt" || fail "the STL's licence text is missing"

# ---- The same commit gives the same bytes; every failure leaves nothing; the DLL check comes first.
package() { # SOURCE_DIR OUTPUT MODULE: the status of package_zip.cmake, its output in package.log
  cmake -DMODULE="$3" -DVERSION="$version" -DSOURCE_DIR="$1" -DOUTPUT="$2" \
    -P "$source_dir/cmake/package_zip.cmake" >"$work/package.log" 2>&1
}
leaves_nothing() { # FOLDER: no file of the packaging's own is left there
  [ -z "$(find "$1" -maxdepth 1 -name '.*' ! -name . -print -quit)" ]
}
mkdir -p "$work/again"
cp "$module" "$work/again/Kadenzo.dll"
touch -d '2001-02-03 04:05:06' "$work/again/Kadenzo.dll"
package "$source_dir" "$work/again/again.zip" "$work/again/Kadenzo.dll" ||
  fail "packaging again failed: $(cat "$work/package.log")"
cmp -s "$zip" "$work/again/again.zip" || fail "two packages of one tree differ (times or order leak in)"

mkdir -p "$work/folder/taken.zip"
if package "$source_dir" "$work/folder/taken.zip" "$module"; then fail "a folder was packaged over"; fi
leaves_nothing "$work/folder" || fail "a failed packaging left files beside the folder it could not replace"
[ -z "$(ls -A "$work/folder/taken.zip")" ] || fail "a failed packaging wrote into the folder"

mkdir -p "$work/broken"
head -c 4096 "$module" >"$work/broken/Kadenzo.dll"
if package "$source_dir" "$work/broken/broken.zip" "$work/broken/Kadenzo.dll"; then
  fail "a DLL that fails the DLL check was packaged"
fi
[ ! -e "$work/broken/broken.zip" ] && leaves_nothing "$work/broken" || fail "a refused DLL left files behind"

# A clean clone is a release; the same clone with a change is marked as none.
first_line() { # ZIP: the first line of its README.txt
  rm -rf "$work/first" && mkdir "$work/first" && (cd "$work/first" && cmake -E tar xf "$1" README.txt)
  head -n 1 "$work/first/README.txt" | tr -d '\r'
}
if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
  git clone -q --shared "$source_dir" "$work/clone"
  package "$work/clone" "$work/clone.zip" "$module" || fail "packaging a clean clone failed: $(cat "$work/package.log")"
  first=$(first_line "$work/clone.zip")
  [[ $first != "NOT A RELEASE"* ]] || fail "the package of a clean clone says it is no release"
  echo "changed" >>"$work/clone/CHANGELOG.md"
  package "$work/clone" "$work/dirty.zip" "$module" || fail "packaging a changed tree failed"
  # CMake wraps a warning's words to its own width, so the words are read as one line.
  tr -s ' \n' '  ' <"$work/package.log" | grep -q "has uncommitted changes" ||
    fail "packaging a changed tree gave no warning"
  first=$(first_line "$work/dirty.zip")
  [[ $first == "NOT A RELEASE: built from commit "*" with uncommitted changes."* ]] ||
    fail "the package of a changed tree does not say so: $first"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) of the package failed"
  exit 1
fi
echo "package: $(basename "$zip"), $(stat -c %s "$zip") bytes: $listing"
