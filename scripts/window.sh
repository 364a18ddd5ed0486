#!/usr/bin/env bash
# Opens Kadenzo in a desktop window (kadenzo-sim window), building it first if needed. Extra arguments go
# to `kadenzo-sim window` (see --help).
#   bash scripts/window.sh --demo   plays the demo session under a virtual X server instead and writes
#                                   out/desktop-window.png, the picture in README.md (docs/)
set -euo pipefail
cd "$(dirname "$0")/.."

setup_purposes=(sim demo)
source scripts/build-sim.sh
if [ "${1:-}" != --demo ]; then
  exec build/sim/bin/kadenzo-sim window "$@"
fi

# The automatic player at full pace for 405 frames: 40 whole windows and half of the next, so that the
# overlay's markers show. Mesa's software OpenGL, so that the picture needs no graphics card.
mkdir -p out
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1600x900x24" \
  build/sim/bin/kadenzo-sim window --script scripts/window-demo.kz --frames 405 \
  --screenshot out/desktop-window.png >/dev/null
echo "wrote out/desktop-window.png"
