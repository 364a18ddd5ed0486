# Third-party libraries: {fmt} header-only and stb, on Linux from Debian's packages, on Windows from
# folders given by cache variables (defaults: Debian's packages on the build machine); Dear ImGui from
# its sources (imgui.cmake).
#   kadenzo::fmt    {fmt} used header-only, so no module needs libfmt at run time
#   kadenzo::imgui  Dear ImGui's core, linked statically into each module (imgui.cmake)
#   kadenzo::stb    stb's image writer (pictures) and reader (tests)
#   kadenzo::libedit  libedit (BSD licence), line editing at the console's terminal; not on Windows,
#                     whose console edits lines itself

add_library(kadenzo_fmt INTERFACE)
add_library(kadenzo::fmt ALIAS kadenzo_fmt)
target_compile_definitions(kadenzo_fmt INTERFACE FMT_HEADER_ONLY)

if(WIN32)
    set(KADENZO_FMT_INCLUDE_DIR /usr/include CACHE PATH "Folder holding {fmt}'s headers in fmt/")
    set(KADENZO_STB_INCLUDE_DIR /usr/include CACHE PATH "Folder holding stb's headers in stb/")
    # A cross compiler must not search the build machine's /usr/include, so only the fmt and stb
    # folders are exposed, in a folder of their own.
    set(third_party_include_dir ${CMAKE_BINARY_DIR}/third-party-include)
    file(MAKE_DIRECTORY ${third_party_include_dir})
    foreach(library fmt stb)
        string(TOUPPER ${library} variable)
        set(source ${KADENZO_${variable}_INCLUDE_DIR}/${library})
        if(NOT IS_DIRECTORY ${source})
            message(FATAL_ERROR "${source} not found; set KADENZO_${variable}_INCLUDE_DIR")
        endif()
        file(REMOVE_RECURSE ${third_party_include_dir}/${library})
        file(CREATE_LINK ${source} ${third_party_include_dir}/${library} SYMBOLIC RESULT linked)
        if(NOT linked EQUAL 0) # Windows without the right to make symbolic links
            file(COPY ${source} DESTINATION ${third_party_include_dir})
        endif()
    endforeach()
    target_include_directories(kadenzo_fmt SYSTEM INTERFACE ${third_party_include_dir})

    # Debian ships stb as headers plus a Linux library; here the writer and reader are compiled from
    # their headers (third_party/stb).
    add_library(kadenzo_stb STATIC ${PROJECT_SOURCE_DIR}/third_party/stb/stb_implementation.cpp)
    target_compile_definitions(kadenzo_stb PRIVATE STB_IMAGE_IMPLEMENTATION STB_IMAGE_WRITE_IMPLEMENTATION)
    target_compile_options(kadenzo_stb PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})
    target_include_directories(kadenzo_stb SYSTEM PUBLIC ${third_party_include_dir})
else()
    find_library(STB_LIBRARY NAMES libstb.a stb REQUIRED)
    add_library(kadenzo_stb INTERFACE)
    target_link_libraries(kadenzo_stb INTERFACE ${STB_LIBRARY})
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(LIBEDIT REQUIRED IMPORTED_TARGET GLOBAL libedit)
    add_library(kadenzo::libedit ALIAS PkgConfig::LIBEDIT)
endif()
add_library(kadenzo::stb ALIAS kadenzo_stb)

# {fmt}'s release as its headers state it (FMT_VERSION, MAJOR * 10000 + MINOR * 100 + PATCH), for the
# tests of kadenzo-sim --version, which prints it from the same macro.
if(WIN32)
    set(fmt_header_dir ${KADENZO_FMT_INCLUDE_DIR})
else()
    find_path(KADENZO_FMT_HEADER_DIR fmt/core.h REQUIRED)
    set(fmt_header_dir ${KADENZO_FMT_HEADER_DIR})
endif()
file(GLOB fmt_version_headers ${fmt_header_dir}/fmt/base.h ${fmt_header_dir}/fmt/core.h)
file(STRINGS "${fmt_version_headers}" fmt_version_line REGEX "^#define FMT_VERSION +[0-9]+")
string(REGEX REPLACE "^#define FMT_VERSION +([0-9]+).*" "\\1" fmt_version "${fmt_version_line}")
if(NOT fmt_version MATCHES "^[0-9]+$")
    message(FATAL_ERROR "no FMT_VERSION in {fmt}'s headers in ${fmt_header_dir}/fmt")
endif()
math(EXPR fmt_major "${fmt_version} / 10000")
math(EXPR fmt_minor "${fmt_version} / 100 % 100")
math(EXPR fmt_patch "${fmt_version} % 100")
set(KADENZO_FMT_RELEASE ${fmt_major}.${fmt_minor}.${fmt_patch})

include(imgui)
