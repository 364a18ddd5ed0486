#!/usr/bin/env bash
# Opens `kadenzo-sim window` at one size under a virtual X server, lists what its last frames showed
# (the window's `after` command running `ui`, the read-back of the frame) and checks it: every window of
# the host's and of ours lies inside the window and none overlaps another, and rows of text that must be
# shown whole (or not at all) are there (or not).
#   window_layout_test.sh KADENZO_SIM WORK_DIR WIDTH HEIGHT SCRIPT.kz [--shows TEXT | --hides TEXT]...
# --shows TEXT: some row holds TEXT whole (a label cut at its window's edge would not); --hides TEXT: none
# holds it.
# The script ends with "after 2 ui"; the run renders three frames.
set -euo pipefail
simulator=$1 work=$2 width=$3 height=$4 script=$5
shift 5

mkdir -p "$work"
listing=$work/$(basename "$script" .kz)-${width}x${height}.txt
export LIBGL_ALWAYS_SOFTWARE=1
launcher=()
if [ -n "${KADENZO_WINDOW_PRELOAD:-}" ]; then
  launcher+=(env "LD_PRELOAD=$KADENZO_WINDOW_PRELOAD")
fi
# The virtual screen is larger than every size tested, and its pointer, which starts in its middle, is
# then outside the window: nothing is hovered, and no tooltip comes up.
xvfb-run -a -s "-screen 0 4000x2400x24" \
  "${launcher[@]}" "$simulator" window --script "$script" --frames 3 --width "$width" --height "$height" \
  >"$listing"

failed=0
fail() {
  echo "$*"
  failed=1
}

# `window "TITLE" X Y W H`, one line per window; child windows (TITLE/CHILD) lie inside their parents.
windows=$(grep -E '^window "[^"/]*" ' "$listing" || true)
[ -n "$windows" ] || fail "no window listed"
mapfile -t places < <(sed -E 's/^window "([^"]*)" ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+).*/\1|\2|\3|\4|\5/' <<<"$windows")
for place in "${places[@]}"; do
  IFS='|' read -r title x y w h <<<"$place"
  if ! awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v W="$width" -v H="$height" \
      'BEGIN { exit !(x >= 0 && y >= 0 && x + w <= W && y + h <= H) }'; then
    fail "\"$title\" ($x $y $w $h) does not lie inside the window ($width x $height)"
  fi
done
for ((first = 0; first < ${#places[@]}; ++first)); do
  for ((second = first + 1; second < ${#places[@]}; ++second)); do
    IFS='|' read -r title1 x1 y1 w1 h1 <<<"${places[first]}"
    IFS='|' read -r title2 x2 y2 w2 h2 <<<"${places[second]}"
    if awk -v a="$x1" -v b="$y1" -v c="$w1" -v d="$h1" -v e="$x2" -v f="$y2" -v g="$w2" -v k="$h2" \
        'BEGIN { exit !(a < e + g && e < a + c && b < f + k && f < b + d) }'; then
      fail "\"$title1\" ($x1 $y1 $w1 $h1) overlaps \"$title2\" ($x2 $y2 $w2 $h2)"
    fi
  done
done

# Rows are listed indented under their window, their runs joined by two blanks.
rows=$(grep -E '^  ' "$listing" || true)
while [ $# -gt 0 ]; do
  case $1 in
  --shows)
    grep -qF -- "$2" <<<"$rows" || fail "no row shows \"$2\""
    ;;
  --hides)
    if grep -qF -- "$2" <<<"$rows"; then fail "a row shows \"$2\""; fi
    ;;
  *)
    echo "unknown check $1"
    exit 2
    ;;
  esac
  shift 2
done
if [ "$failed" -ne 0 ]; then
  echo "--- what the window showed ($listing):"
  grep -E '^(window |  )' "$listing"
fi
exit $failed
