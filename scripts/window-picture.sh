#!/usr/bin/env bash
# One picture of the desktop window's demo session, with no display and no graphics card: the
# automatic player at full pace for 405 frames (40 whole windows and half of the next, so that the
# overlay's markers show) under a virtual X server with Mesa's software OpenGL. The pointer starts in
# the middle of the virtual screen, which is larger than the window, so that it hovers over nothing.
#   window-picture.sh KADENZO_SIM WIDTHxHEIGHT PICTURE.png
set -euo pipefail

if [ $# -ne 3 ] || [[ ! $2 =~ ^[0-9]+x[0-9]+$ ]]; then
  echo "usage: window-picture.sh KADENZO_SIM WIDTHxHEIGHT PICTURE.png" >&2
  exit 2
fi
sim=$1
size=$2
picture=$3
here=$(dirname "$0")
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 4000x2400x24" \
  "$sim" window --script "$here/window-demo.kz" --frames 405 \
  --width "${size%x*}" --height "${size#*x}" --screenshot "$picture" >/dev/null
