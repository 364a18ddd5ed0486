# The changelog's newest entry names the version the build gives the DLL and kadenzo-sim:
#   cmake -DCHANGELOG=PATH/CHANGELOG.md -DVERSION=N.N.N.N -P check_changelog.cmake
file(STRINGS "${CHANGELOG}" headings REGEX "^## ")
if(NOT headings)
    message(FATAL_ERROR "${CHANGELOG}: no entry (a line starting with \"## \")")
endif()
list(GET headings 0 newest)
string(REGEX MATCH "^## ([0-9.]+)( |$)" matched "${newest}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${CHANGELOG}: the newest entry is \"${newest}\", but this build's version is ${VERSION}")
endif()
message(STATUS "${CHANGELOG}: the newest entry names ${VERSION}")
