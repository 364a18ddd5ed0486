# Checks that a build compiles Dear ImGui from the sources it names and links no Dear ImGui made
# elsewhere, and that the plugin module and kadenzo-sim each carry a copy of their own.
#   -DBUILD_DIR=dir  -DSOURCE_DIR=dir (KADENZO_IMGUI_SOURCE_DIR)  -DRELEASE=N.NN (KADENZO_IMGUI_RELEASE)
# Reads the build's compile_commands.json and the link commands the generator wrote.
cmake_minimum_required(VERSION 3.25)

# The sources named are the release named.
file(STRINGS ${SOURCE_DIR}/imgui.h version_line REGEX "^#define IMGUI_VERSION +\"")
if(NOT version_line MATCHES "\"${RELEASE}\"")
    message(FATAL_ERROR "${SOURCE_DIR}/imgui.h is not Dear ImGui ${RELEASE}: ${version_line}")
endif()

# Dear ImGui's core is compiled from them, and from nowhere else.
file(READ ${BUILD_DIR}/compile_commands.json commands)
foreach(source imgui.cpp imgui_draw.cpp imgui_widgets.cpp)
    string(FIND "${commands}" "\"file\": \"${SOURCE_DIR}/${source}\"" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the build does not compile ${SOURCE_DIR}/${source}")
    endif()
endforeach()
string(REGEX MATCHALL "\"file\": \"[^\"]*/imgui[a-z_]*\\.cpp\"" imgui_sources "${commands}")
foreach(entry IN LISTS imgui_sources)
    string(REGEX REPLACE "^\"file\": \"(.*)/[^/]*\"$" "\\1" folder "${entry}")
    if(NOT folder MATCHES "^${SOURCE_DIR}(/examples|/backends)?$")
        message(FATAL_ERROR "Dear ImGui compiled from outside ${SOURCE_DIR}: ${entry}")
    endif()
endforeach()

# Every program and module links only the libraries this build made of them (the link lines:
# compiled_files.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/compiled_files.cmake)
kadenzo_link_lines(${BUILD_DIR})
set(linked_by "")
foreach(target IN LISTS kadenzo_link_targets)
    # The commands that make the libraries themselves.
    if(target MATCHES "^kadenzo_imgui[a-z0-9_]*$")
        continue()
    endif()
    set(link_line "${kadenzo_link_line_${target}}")
    string(REGEX MATCHALL "[^ \t\n\"]*[iI][mM][gG][uU][iI][^ \t\n\"]*" words "${link_line}")
    foreach(word IN LISTS words)
        if(word MATCHES "(^|/)(lib)?kadenzo_imgui[a-z0-9_]*\\.(a|lib)$")
            continue()
        endif()
        message(FATAL_ERROR "${target} links a Dear ImGui this build did not compile: ${word}")
    endforeach()
    if(link_line MATCHES "kadenzo_imgui\\.(a|lib)")
        list(APPEND linked_by ${target})
    endif()
endforeach()
foreach(target Kadenzo kadenzo-sim)
    if(NOT target IN_LIST linked_by)
        message(FATAL_ERROR "${target} does not link the Dear ImGui this build compiled (linked by: ${linked_by})")
    endif()
endforeach()
message(STATUS "Dear ImGui ${RELEASE} from ${SOURCE_DIR}, linked by: ${linked_by}")
