# Sourced by play.sh and window.sh, from the repository's root, with setup_purposes naming what
# scripts/setup.sh installs: configures the sim preset if build/sim has not been yet, and builds
# kadenzo-sim and the plugin it loads there, without the tests and benchmarks.
source scripts/build-env.sh
bash scripts/setup.sh "${setup_purposes[@]}"
if [ ! -f build/sim/CMakeCache.txt ]; then
  cmake --preset sim >/dev/null
fi
cmake --build --preset sim
