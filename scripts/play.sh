#!/usr/bin/env bash
# The main job: builds kadenzo-sim and the plugin if needed, then plays a simulated training session.
# Extra arguments go to `kadenzo-sim play` (see --help); pictures land in out/.
set -euo pipefail
cd "$(dirname "$0")/.."

setup_purposes=(sim)
source scripts/build-sim.sh
exec build/sim/bin/kadenzo-sim play --out out "$@"
