#!/usr/bin/env bash
# Opens Kadenzo in a desktop window (kadenzo-sim window), building it first if needed. Extra arguments go
# to `kadenzo-sim window` (see --help).
#   bash scripts/window.sh --demo    plays the demo session under a virtual X server instead and writes
#                                    out/desktop-window.png, the picture in README.md (docs/)
#   bash scripts/window.sh --sizes   the same session at 1024 x 640, 1280 x 720, 1600 x 900 and
#                                    1920 x 1080: out/window-WxH.png (docs/window-1024x640.png)
set -euo pipefail
cd "$(dirname "$0")/.."

setup_purposes=(sim demo)
source scripts/build-sim.sh
case "${1:-}" in
--demo) sizes=(1600x900) ;;
--sizes) sizes=(1024x640 1280x720 1600x900 1920x1080) ;;
*) exec build/sim/bin/kadenzo-sim window "$@" ;;
esac

mkdir -p out
for size in "${sizes[@]}"; do
  picture=out/window-$size.png
  [ "$1" = --demo ] && picture=out/desktop-window.png
  bash scripts/window-picture.sh build/sim/bin/kadenzo-sim "$size" "$picture"
  echo "wrote $picture"
done
