# The {fmt} release that a copy of its headers states, for the build (fmt.cmake) and for the scripts
# that name it (package_zip.cmake); usable in a project and in a script (cmake -P).
#   kadenzo_fmt_release(CORE_H OUT_VAR)   OUT_VAR = "MAJOR.MINOR.PATCH", from FMT_VERSION in CORE_H
#                                         (MAJOR * 10000 + MINOR * 100 + PATCH); a fatal error when
#                                         CORE_H is missing or defines no FMT_VERSION

function(kadenzo_fmt_release core_h out_var)
    if(NOT EXISTS "${core_h}")
        message(FATAL_ERROR "{fmt}'s ${core_h} is missing")
    endif()
    file(STRINGS "${core_h}" version_line REGEX "^#define FMT_VERSION +[0-9]+")
    string(REGEX REPLACE "^#define FMT_VERSION +([0-9]+).*" "\\1" version "${version_line}")
    if(NOT version MATCHES "^[0-9]+$")
        message(FATAL_ERROR "${core_h} defines no FMT_VERSION")
    endif()
    math(EXPR major "${version} / 10000")
    math(EXPR minor "${version} / 100 % 100")
    math(EXPR patch "${version} % 100")
    set(${out_var} ${major}.${minor}.${patch} PARENT_SCOPE)
endfunction()
