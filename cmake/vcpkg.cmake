# The Visual Studio build (KADENZO_USE_VCPKG, set by the vs2022 preset) takes GoogleTest and Google
# Benchmark from vcpkg, by the manifest vcpkg.json, when VCPKG_ROOT names a vcpkg; without one it builds
# the DLL and kadenzo-sim only, with the tests and benchmarks off. Included before project(), which is
# where a toolchain file must be known. The Linux builds never use vcpkg: Debian's packages are theirs.
option(KADENZO_USE_VCPKG "Take the tests' libraries from vcpkg (vcpkg.json) when VCPKG_ROOT is set" OFF)
if(KADENZO_USE_VCPKG)
    if(DEFINED CMAKE_TOOLCHAIN_FILE)
        message(STATUS "vcpkg: the toolchain file given is used: ${CMAKE_TOOLCHAIN_FILE}")
    elseif(DEFINED ENV{VCPKG_ROOT} AND EXISTS "$ENV{VCPKG_ROOT}/scripts/buildsystems/vcpkg.cmake")
        file(TO_CMAKE_PATH "$ENV{VCPKG_ROOT}" vcpkg_root)
        set(CMAKE_TOOLCHAIN_FILE "${vcpkg_root}/scripts/buildsystems/vcpkg.cmake" CACHE FILEPATH
            "vcpkg's toolchain file, from VCPKG_ROOT")
    else()
        message(STATUS "vcpkg: VCPKG_ROOT is not set (or holds no vcpkg), so the tests and benchmarks are "
                       "off; set it to a vcpkg checkout and configure again to build them")
        # Plain variables, which the options of the top CMakeLists.txt then leave be, so that a later
        # configure with VCPKG_ROOT set builds the tests again.
        set(KADENZO_BUILD_TESTS OFF)
        set(KADENZO_BUILD_BENCHMARKS OFF)
        set(KADENZO_USE_VCPKG OFF)
    endif()
endif()
