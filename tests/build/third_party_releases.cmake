# Checks that the only Dear ImGui and the only {fmt} a build compiled are the releases it names, from
# the folders it names (third_party/ unless told otherwise): a header of either from anywhere else, such
# as a system's /usr/include/fmt, fails it, naming the source that read it.
#   -DBUILD_DIR=dir  -DSOURCE_DIR=dir (the project's)
#   -DIMGUI_DIR=dir (KADENZO_IMGUI_SOURCE_DIR)  -DIMGUI_RELEASE=N.NN (KADENZO_IMGUI_RELEASE)
#   -DFMT_DIR=dir (its include folder, holding fmt/)  -DFMT_RELEASE=N.N.N (KADENZO_FMT_RELEASE)
# Reads the build's compile database (every object compiled, and the include folders of its command)
# and the compiler's list of the files each object was read from (compiled_files.cmake).
#
# ---- The folders named hold the releases named
# ---- The include folders of every command
# ---- The headers every object was compiled from
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/compiled_files.cmake)
include(${SOURCE_DIR}/cmake/fmt_release.cmake)

# ---- The folders named hold the releases named
file(STRINGS ${IMGUI_DIR}/imgui.h imgui_version_line REGEX "^#define IMGUI_VERSION +\"")
if(NOT imgui_version_line MATCHES "\"${IMGUI_RELEASE}\"")
    message(FATAL_ERROR "${IMGUI_DIR}/imgui.h is not Dear ImGui ${IMGUI_RELEASE}: ${imgui_version_line}")
endif()
kadenzo_fmt_release(${FMT_DIR}/fmt/core.h fmt_found_release)
if(NOT fmt_found_release STREQUAL FMT_RELEASE)
    message(FATAL_ERROR "${FMT_DIR}/fmt/core.h is {fmt} ${fmt_found_release}, not ${FMT_RELEASE}")
endif()

# A header of Dear ImGui's: its core's, imconfig.h, its stb copies, its backends'.
set(imgui_header_name "^(imgui[a-z0-9_]*|imconfig|imstb_[a-z]+)\\.h$")
set(imgui_folders ${IMGUI_DIR} ${IMGUI_DIR}/examples ${IMGUI_DIR}/backends)
# A header of {fmt}'s: any header in a folder fmt/.
set(fmt_header_path "/fmt/[^/]+\\.h$")

set(failures "")
function(fail text)
    set(failures "${failures}\n  ${text}" PARENT_SCOPE)
endfunction()

kadenzo_compiled_objects(${BUILD_DIR})
list(LENGTH kadenzo_objects object_count)
if(object_count EQUAL 0)
    message(FATAL_ERROR "${BUILD_DIR}/compile_commands.json compiles nothing")
endif()

# ---- The include folders of every command
# No include folder but the named ones holds a Dear ImGui or a {fmt}, so none can stand in for them
# whatever the order of the folders (each folder is told with the first source compiled with it).
set(seen_folders "")
foreach(command source directory IN ZIP_LISTS kadenzo_commands kadenzo_sources kadenzo_directories)
    kadenzo_include_folders("${command}" ${directory} folders)
    foreach(folder IN LISTS folders)
        if(folder IN_LIST seen_folders)
            continue()
        endif()
        list(APPEND seen_folders ${folder})
        if(EXISTS ${folder}/imgui.h AND NOT folder STREQUAL IMGUI_DIR)
            fail("${source} is compiled with an include folder holding another Dear ImGui: ${folder}/imgui.h")
        endif()
        if(EXISTS ${folder}/fmt/core.h AND NOT folder STREQUAL FMT_DIR)
            fail("${source} is compiled with an include folder holding another {fmt}: ${folder}/fmt/core.h")
        endif()
    endforeach()
endforeach()

# ---- The headers every object was compiled from
set(imgui_objects 0)
set(fmt_objects 0)
foreach(object source IN ZIP_LISTS kadenzo_objects kadenzo_sources)
    kadenzo_object_dependencies(${object} files)
    set(read_imgui FALSE)
    set(read_fmt FALSE)
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME)
        get_filename_component(folder ${file} DIRECTORY)
        if(name MATCHES "${imgui_header_name}")
            if(NOT folder IN_LIST imgui_folders)
                fail("${source} reads a Dear ImGui header from outside ${IMGUI_DIR}: ${file}")
            elseif(name STREQUAL "imgui.h")
                set(read_imgui TRUE)
            endif()
        elseif(file MATCHES "${fmt_header_path}")
            if(NOT folder STREQUAL "${FMT_DIR}/fmt")
                fail("${source} reads a {fmt} header from outside ${FMT_DIR}: ${file}")
            elseif(name STREQUAL "core.h")
                set(read_fmt TRUE)
            endif()
        endif()
    endforeach()
    if(read_imgui)
        math(EXPR imgui_objects "${imgui_objects} + 1")
    endif()
    if(read_fmt)
        math(EXPR fmt_objects "${fmt_objects} + 1")
    endif()
endforeach()
# The lists were read: both libraries are compiled somewhere.
if(imgui_objects EQUAL 0)
    fail("no object was compiled from ${IMGUI_DIR}/imgui.h")
endif()
if(fmt_objects EQUAL 0)
    fail("no object was compiled from ${FMT_DIR}/fmt/core.h")
endif()

if(failures)
    message(FATAL_ERROR "${BUILD_DIR} compiles another Dear ImGui or {fmt}:${failures}")
endif()
message(STATUS "${object_count} objects: Dear ImGui ${IMGUI_RELEASE} from ${IMGUI_DIR} in ${imgui_objects}, "
    "{fmt} ${FMT_RELEASE} from ${FMT_DIR} in ${fmt_objects}, no other")
