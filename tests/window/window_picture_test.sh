#!/usr/bin/env bash
# Runs `kadenzo-sim window` under a virtual X server with Mesa's software OpenGL, takes a screenshot of
# the window's own pixels after a few frames and checks it with check_window_picture.
#   window_picture_test.sh KADENZO_SIM CHECKER SCRIPT.kz WORK_DIR [WINDOW_OPTION...] -- CHECKER_ARGUMENTS...
# KADENZO_WINDOW_LAUNCHER, when set, is the command both programs run through (Wine for the Windows
# build); KADENZO_WINDOW_PRELOAD, when set, is the LD_PRELOAD of kadenzo-sim alone (see
# tests/window/CMakeLists.txt).
set -euo pipefail
simulator=$1 checker=$2 script=$3 work=$4
shift 4
window_options=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  window_options+=("$1")
  shift
done
[ $# -gt 0 ] && shift

mkdir -p "$work"
picture=$work/$(basename "$script" .kz).png
rm -f "$picture"
export LIBGL_ALWAYS_SOFTWARE=1
launcher=()
if [ -n "${KADENZO_WINDOW_LAUNCHER:-}" ]; then
  read -r -a launcher <<<"$KADENZO_WINDOW_LAUNCHER"
fi
if [ -n "${KADENZO_WINDOW_PRELOAD:-}" ]; then
  launcher+=(env "LD_PRELOAD=$KADENZO_WINDOW_PRELOAD")
fi
# The window's default size, 1600 x 900, must fit the virtual screen.
xvfb-run -a -s "-screen 0 1600x900x24" \
  "${launcher[@]}" "$simulator" window --script "$script" --frames 3 --screenshot "$picture" \
  "${window_options[@]}"
checker_launcher=()
if [ -n "${KADENZO_WINDOW_LAUNCHER:-}" ]; then
  read -r -a checker_launcher <<<"$KADENZO_WINDOW_LAUNCHER"
fi
"${checker_launcher[@]}" "$checker" "$picture" "$@"
