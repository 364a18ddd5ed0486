# Sourced by play.sh and window.sh, from the repository's root: installs what the build needs,
# configures the default preset if build/default has not been yet, and builds kadenzo-sim and the
# plugin it loads.
source scripts/build-env.sh
bash scripts/setup.sh
if [ ! -f build/default/CMakeCache.txt ]; then
  cmake --preset default >/dev/null
fi
cmake --build --preset default --target kadenzo-sim
