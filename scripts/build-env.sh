# Sourced by the scripts that build and test: the presets name no number of jobs, so CMake and CTest
# take them from here, one per core unless the caller has chosen (CMAKE_BUILD_PARALLEL_LEVEL,
# CTEST_PARALLEL_LEVEL).
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
export CTEST_PARALLEL_LEVEL="${CTEST_PARALLEL_LEVEL:-$(nproc)}"
