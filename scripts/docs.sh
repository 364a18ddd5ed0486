#!/usr/bin/env bash
# Regenerates everything of the documentation that the program makes: the pictures in docs/, and every
# block of README.md between a line "<!-- generated: ARGUMENTS -->" and the next
# "<!-- end of generated -->", which becomes what `kadenzo-sim ARGUMENTS` writes on standard output
# (a Markdown table, say); "<!-- generated as text: ARGUMENTS -->" puts it in a block of fixed-width
# text, and "<!-- generated as a session: ARGUMENTS -->" shows it as a console session, the command
# first. ARGUMENTS are words without quotes. Run it after a change to the plugin or to kadenzo-sim.
#
#   bash scripts/docs.sh              builds kadenzo-sim (build/sim) and rewrites docs/ and README.md
#   bash scripts/docs.sh --check [--sim KADENZO_SIM]
#                                     regenerates into a scratch folder and compares, writing nothing in
#                                     the tree: status 1 with a line for each stale picture or block
#   --sim KADENZO_SIM                 use that kadenzo-sim (and the plugin beside it) instead
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: bash scripts/docs.sh [--check] [--sim KADENZO_SIM]"; }
check=false
sim=""
while [ $# -gt 0 ]; do
  case $1 in
    --check) check=true; shift ;;
    --sim) [ $# -ge 2 ] || { usage >&2; exit 2; }; sim=$2; shift 2 ;;
    --help | -h) sed -n '2,15s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) usage >&2; exit 2 ;;
  esac
done
if [ -z "$sim" ]; then
  setup_purposes=(sim demo)
  source scripts/build-sim.sh
  sim=build/sim/bin/kadenzo-sim
fi
[ -x "$sim" ] || { echo "docs.sh: $sim is no program" >&2; exit 2; }
# The session line shows the program as the README's first command builds it.
shown_sim=build/sim/bin/kadenzo-sim

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# ---- Pictures: docs/NAME|the kadenzo-sim command that draws it (into its --out folder)|its picture there
pictures=(
  "overlay.png|play|overlay.png"
  "speed.png|play|speed.png"
  "settings.png|play|settings.png"
  "window.png|play|window.png"
  "speed-5000.png|play --attempts 5000|speed.png"
  "study.png|study|study.png"
)
# docs/NAME|the desktop window's size (scripts/window-picture.sh)
window_pictures=(
  "desktop-window.png|1600x900"
  "window-1024x640.png|1024x640"
)

# The desktop window's pictures take longest: drawn while the rest is made.
window_jobs=()
for entry in "${window_pictures[@]}"; do
  IFS='|' read -r name size <<<"$entry"
  bash scripts/window-picture.sh "$sim" "$size" "$scratch/$name" &
  window_jobs+=($!)
done

declare -A drawn_in=()
for entry in "${pictures[@]}"; do
  IFS='|' read -r name command picture <<<"$entry"
  if [ -z "${drawn_in[$command]+set}" ]; then
    drawn_in[$command]=$scratch/out-${#drawn_in[@]}
    read -ra words <<<"$command"
    if ! "$sim" "${words[@]}" --out "${drawn_in[$command]}" </dev/null >/dev/null 2>"$scratch/log"; then
      cat "$scratch/log" >&2
      echo "docs.sh: kadenzo-sim $command failed" >&2
      exit 1
    fi
  fi
  cp "${drawn_in[$command]}/$picture" "$scratch/$name"
done

# ---- README.md's generated blocks
generate_readme() {
  local line form arguments words in_block=false
  while IFS= read -r line || [ -n "$line" ]; do
    if $in_block; then
      [ "$line" = "<!-- end of generated -->" ] || continue
      in_block=false
    elif [[ $line =~ ^'<!-- generated'( as text| as a session)?': '(.*)' -->'$ ]]; then
      form=${BASH_REMATCH[1]}
      arguments=${BASH_REMATCH[2]}
      read -ra words <<<"$arguments"
      printf '%s\n' "$line"
      [ -z "$form" ] || printf '```\n'
      [ "$form" != " as a session" ] || printf '$ %s %s\n' "$shown_sim" "$arguments"
      "$sim" "${words[@]}" </dev/null
      [ -z "$form" ] || printf '```\n'
      in_block=true
      continue
    fi
    printf '%s\n' "$line"
  done <README.md
  if $in_block; then
    echo "docs.sh: README.md: a generated block has no line \"<!-- end of generated -->\"" >&2
    return 1
  fi
}
generate_readme >"$scratch/README.md"
for job in "${window_jobs[@]}"; do
  wait "$job" || { echo "docs.sh: a picture of the desktop window could not be drawn" >&2; exit 1; }
done

# ---- Compare, or write
stale=()
for entry in "${pictures[@]}" "${window_pictures[@]}"; do
  name=${entry%%|*}
  cmp -s "$scratch/$name" "docs/$name" || stale+=("docs/$name")
done
cmp -s "$scratch/README.md" README.md || stale+=(README.md)

if $check; then
  if [ ${#stale[@]} -eq 0 ]; then
    echo "docs: docs/ and README.md's generated blocks are up to date"
    exit 0
  fi
  for path in "${stale[@]}"; do
    echo "stale: $path"
  done
  diff -u README.md "$scratch/README.md" || true
  echo "docs: ${#stale[@]} generated file(s) are stale; run bash scripts/docs.sh and look at what changed"
  exit 1
fi
for path in "${stale[@]}"; do
  # Whole or not at all: the new file beside the old one, then renamed over it.
  cp "$scratch/$(basename "$path")" "$path.partial"
  mv "$path.partial" "$path"
  echo "wrote $path"
done
[ ${#stale[@]} -gt 0 ] || echo "docs: nothing to change"
