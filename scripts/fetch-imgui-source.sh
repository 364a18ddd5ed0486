#!/usr/bin/env bash
# Unpacks Dear ImGui 1.86 from Debian's imgui source package into .deps/imgui-1.86 for the Windows
# build. apt reads a private copy of the machine's sources (as deb-src) and keeps its lists in a
# temporary folder, so the machine's own apt configuration and package lists stay untouched.
# Does nothing when the sources are already there.
set -euo pipefail
cd "$(dirname "$0")/.."

destination=.deps/imgui-1.86
if [ -f "$destination/imgui.cpp" ]; then
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sources.list.d" "$work/lists/partial" "$work/download"

# The machine's sources, with every binary entry also offered as a source entry.
: >"$work/sources.list"
if [ -f /etc/apt/sources.list ]; then
  sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >>"$work/sources.list"
fi
for file in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
  [ -f "$file" ] || continue
  case "$file" in
    *.sources) sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/sources.list.d/$(basename "$file")" ;;
    *.list) sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >"$work/sources.list.d/$(basename "$file")" ;;
  esac
done

apt_options=(
  -o "Dir::Etc::sourcelist=$work/sources.list"
  -o "Dir::Etc::sourceparts=$work/sources.list.d"
  -o "Dir::State::Lists=$work/lists"
  -o "Debug::NoLocking=1"
)
# apt's download user cannot enter our private temporary folder.
if [ "$(id -u)" -eq 0 ]; then apt_options+=(-o "APT::Sandbox::User=root"); fi
echo "fetch-imgui-source: reading Debian's source package index"
apt-get "${apt_options[@]}" update -qq
echo "fetch-imgui-source: downloading the imgui source package"
(cd "$work/download" && apt-get "${apt_options[@]}" source --download-only -qq imgui)

archive=$(find "$work/download" -name 'imgui_1.86*.orig.tar.*' | head -n 1)
if [ -z "$archive" ]; then
  echo "fetch-imgui-source: the downloaded package has no Dear ImGui 1.86 archive:" >&2
  ls "$work/download" >&2
  exit 1
fi

# Unpacked beside the destination first, so an interrupted run leaves no half-filled folder.
mkdir -p .deps
staging=$(mktemp -d .deps/imgui.XXXXXX)
tar -xf "$archive" -C "$staging" --strip-components=1
if [ ! -f "$staging/imgui.cpp" ]; then
  rm -rf "$staging"
  echo "fetch-imgui-source: $(basename "$archive") holds no imgui.cpp" >&2
  exit 1
fi
rm -rf "$destination"
mv "$staging" "$destination"
echo "fetch-imgui-source: Dear ImGui sources in $destination"
