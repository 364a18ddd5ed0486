# vcpkg's manifest names the project and its version as the build does (the version is written once,
# in project(); the manifest, which cannot read it, repeats it):
#   cmake -DMANIFEST=PATH/vcpkg.json -DVERSION=N.N.N.N -P check_vcpkg_manifest.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${MANIFEST}" manifest)
string(JSON name ERROR_VARIABLE error GET "${manifest}" name)
if(error)
    message(FATAL_ERROR "${MANIFEST}: no name: ${error}")
endif()
string(JSON version ERROR_VARIABLE error GET "${manifest}" version-string)
if(error)
    message(FATAL_ERROR "${MANIFEST}: no version-string: ${error}")
endif()
if(NOT name STREQUAL "kadenzo")
    message(FATAL_ERROR "${MANIFEST}: the name is \"${name}\", not \"kadenzo\"")
endif()
if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "${MANIFEST}: the version-string is \"${version}\", but this build's version is ${VERSION} "
        "(project() in CMakeLists.txt)")
endif()
message(STATUS "${MANIFEST}: kadenzo ${VERSION}")
