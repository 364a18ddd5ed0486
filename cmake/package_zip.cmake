# Writes the release package for players, run as a script:
#   cmake -DMODULE=PATH/Kadenzo.dll -DVERSION=N.N.N.N -DSOURCE_DIR=PATH -DOUTPUT=PATH.zip -P package_zip.cmake
# The archive holds, at its top level:
#   Kadenzo.dll               the module, as built
#   README.txt                the players' part of README.md (up to its end marker), naming every file
#                             as the archive holds it
#   NAME.png                  each picture that part shows (docs/NAME.png)
#   LICENSE.txt               Kadenzo's licence
#   CHANGELOG.txt             what changed in each version
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
# The repository's files the archive holds under another name, as "SOURCE|PACKAGED": the players' README
# names them as packaged.
set(renamed_files
    "LICENSE|LICENSE.txt"
    "CHANGELOG.md|CHANGELOG.txt"
)

function(write_windows_text path text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${path}" "${text}")
endfunction()

# The players' part of README.md in OUT_VAR, and the pictures it shows (paths below SOURCE_DIR) in
# PICTURES_VAR. A picture "![WHAT](docs/NAME.png)" becomes the line "Picture NAME.png: WHAT", and each
# renamed file is named as packaged.
function(players_readme out_var pictures_var)
    file(READ "${SOURCE_DIR}/README.md" readme)
    string(FIND "${readme}" "${players_part_end}" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "package_zip.cmake: README.md has no line \"${players_part_end}\"")
    endif()
    string(SUBSTRING "${readme}" 0 ${end} players)
    string(REGEX MATCHALL "!\\[[^]\n]*\\]\\(docs/[^)\n/]*\\.png\\)" shown "${players}")
    set(pictures "")
    foreach(link IN LISTS shown)
        string(REGEX REPLACE "^!\\[([^]]*)\\]\\(docs/([^)]*)\\)$" "\\2" picture "${link}")
        string(REGEX REPLACE "^!\\[([^]]*)\\]\\(docs/([^)]*)\\)$" "Picture \\2: \\1" line "${link}")
        string(REPLACE "${link}" "${line}" players "${players}")
        list(APPEND pictures "docs/${picture}")
    endforeach()
    if(players MATCHES "!\\[")
        message(FATAL_ERROR "package_zip.cmake: the players' part of README.md shows a picture outside docs/")
    endif()
    foreach(entry IN LISTS renamed_files)
        string(REPLACE "|" ";" names "${entry}")
        list(GET names 0 source)
        list(GET names 1 packaged)
        string(REPLACE "`${source}`" "`${packaged}`" players "${players}")
    endforeach()
    # The README's comments (the marks of its generated blocks) are for its editors.
    string(REGEX REPLACE "<!--[^\n]*-->\n" "" players "${players}")
    list(REMOVE_DUPLICATES pictures)
    set(${out_var} "${players}" PARENT_SCOPE)
    set(${pictures_var} "${pictures}" PARENT_SCOPE)
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
set(packaged Kadenzo.dll README.txt)
players_readme(readme pictures)
write_windows_text("${staging}/README.txt" "${readme}")
foreach(picture IN LISTS pictures)
    get_filename_component(name "${picture}" NAME)
    file(COPY_FILE "${SOURCE_DIR}/${picture}" "${staging}/${name}")
    list(APPEND packaged "${name}")
endforeach()
foreach(entry IN LISTS renamed_files)
    string(REPLACE "|" ";" names "${entry}")
    list(GET names 0 source)
    list(GET names 1 name)
    file(READ "${SOURCE_DIR}/${source}" text)
    write_windows_text("${staging}/${name}" "${text}")
    list(APPEND packaged "${name}")
endforeach()
third_party_notices(notices_text)
write_windows_text("${staging}/THIRD-PARTY-NOTICES.txt" "${notices_text}")
list(APPEND packaged THIRD-PARTY-NOTICES.txt)

execute_process(
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${partial}" --format=zip ${packaged}
    WORKING_DIRECTORY "${staging}"
    RESULT_VARIABLE status)
file(REMOVE_RECURSE "${staging}")
if(NOT status EQUAL 0)
    file(REMOVE "${partial}")
    message(FATAL_ERROR "package_zip.cmake: could not write ${OUTPUT} (${status})")
endif()
file(RENAME "${partial}" "${OUTPUT}")
message(STATUS "wrote ${OUTPUT}")
