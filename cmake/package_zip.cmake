# Writes the release package for players, run as a script:
#   cmake -DMODULE=PATH/Kadenzo.dll -DVERSION=N.N.N.N -DSOURCE_DIR=PATH -DOUTPUT=PATH.zip -P package_zip.cmake
# The archive holds, at its top level:
#   Kadenzo.dll               the module, as built
#   README.txt                the players' part of README.md (up to its end marker), pictures left out
#   LICENSE.txt               Kadenzo's licence
#   THIRD-PARTY-NOTICES.txt   the licences of the libraries compiled into the module
# The text files get Windows line endings. The archive is written beside OUTPUT under another name and
# renamed into place, so OUTPUT is either the old file or the whole new one.
cmake_minimum_required(VERSION 3.25)

foreach(variable MODULE VERSION SOURCE_DIR OUTPUT)
    if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
        message(FATAL_ERROR "package_zip.cmake: -D${variable}=... is missing")
    endif()
endforeach()
if(NOT EXISTS "${MODULE}" OR IS_DIRECTORY "${MODULE}")
    message(FATAL_ERROR "package_zip.cmake: the module ${MODULE} does not exist")
endif()

# The libraries whose code is compiled into Kadenzo.dll: the name each goes by, and its licence files
# (from SOURCE_DIR). stb is left out: only kadenzo-sim uses it.
set(notices
    "Dear ImGui|third_party/imgui/LICENSE.txt"
    "{fmt}|third_party/fmt/LICENSE.txt"
    "Microsoft's C++ standard library (STL)|third_party/msvc-stl/LICENSE.txt;third_party/msvc-stl/NOTICE.txt"
)
# The line of README.md after which the players' part ends.
set(players_part_end "<!-- The players' part ends here. -->")

function(write_windows_text path text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${path}" "${text}")
endfunction()

function(players_readme out_var)
    file(READ "${SOURCE_DIR}/README.md" readme)
    string(FIND "${readme}" "${players_part_end}" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "package_zip.cmake: README.md has no line \"${players_part_end}\"")
    endif()
    string(SUBSTRING "${readme}" 0 ${end} players)
    # Pictures are links into docs/, which the package does not hold.
    string(REGEX REPLACE "!\\[[^]\n]*\\]\\([^)\n]*\\)\n?" "" players "${players}")
    string(REGEX REPLACE "\n\n\n+" "\n\n" players "${players}")
    set(${out_var} "${players}" PARENT_SCOPE)
endfunction()

function(third_party_notices out_var)
    file(STRINGS "${SOURCE_DIR}/third_party/imgui/imgui.h" imgui_version_line
         REGEX "^#define IMGUI_VERSION +\"")
    string(REGEX REPLACE ".*\"(.*)\".*" "\\1" imgui_version "${imgui_version_line}")
    set(text "Kadenzo.dll ${VERSION} contains code of the libraries below, under their own licences.\n")
    foreach(entry IN LISTS notices)
        string(REPLACE "|" ";" fields "${entry}")
        list(POP_FRONT fields name)
        if(name STREQUAL "Dear ImGui")
            string(APPEND name " ${imgui_version}")
        endif()
        string(APPEND text "\n==============================================================================\n"
                           "${name}\n"
                           "==============================================================================\n\n")
        foreach(licence IN LISTS fields)
            file(READ "${SOURCE_DIR}/${licence}" licence_text)
            string(APPEND text "${licence_text}\n")
        endforeach()
    endforeach()
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
get_filename_component(output_name "${OUTPUT}" NAME)
set(staging "${output_dir}/.${output_name}.staging")
set(partial "${output_dir}/.${output_name}.partial")
file(REMOVE_RECURSE "${staging}" "${partial}")
file(MAKE_DIRECTORY "${staging}")

file(COPY_FILE "${MODULE}" "${staging}/Kadenzo.dll")
players_readme(readme)
write_windows_text("${staging}/README.txt" "${readme}")
file(READ "${SOURCE_DIR}/LICENSE" licence)
write_windows_text("${staging}/LICENSE.txt" "${licence}")
third_party_notices(notices_text)
write_windows_text("${staging}/THIRD-PARTY-NOTICES.txt" "${notices_text}")

execute_process(
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${partial}" --format=zip
            Kadenzo.dll README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt
    WORKING_DIRECTORY "${staging}"
    RESULT_VARIABLE status)
file(REMOVE_RECURSE "${staging}")
if(NOT status EQUAL 0)
    file(REMOVE "${partial}")
    message(FATAL_ERROR "package_zip.cmake: could not write ${OUTPUT} (${status})")
endif()
file(RENAME "${partial}" "${OUTPUT}")
message(STATUS "wrote ${OUTPUT}")
