# Writes the release package for players, run as a script:
#   cmake -DMODULE=PATH/Kadenzo.dll -DVERSION=N.N.N.N -DSOURCE_DIR=PATH -DOUTPUT=PATH.zip
#         [-DZIP=zip] [-DBASH=bash] [-DLLVM_READOBJ=llvm-readobj] -P package_zip.cmake
# The DLL check (scripts/check-windows-module.sh) runs on the DLL the archive takes first. The same
# commit gives the same archive, byte for byte; a tree with uncommitted changes gets a warning, and a
# README.txt that says so in its first line.
# The archive holds, at its top level:
#   Kadenzo.dll               the module, as built
#   README.txt                the players' part of README.md (up to its end marker), naming every file
#                             as the archive holds it
#   NAME.png                  each picture that part shows (docs/NAME.png)
#   LICENSE.txt               Kadenzo's licence
#   CHANGELOG.txt             what changed in each version
#   THIRD-PARTY-NOTICES.txt   the licences of the libraries compiled into the module, each named with
#                             its release where its headers state one
# The text files get Windows line endings. The archive is written beside OUTPUT under another name and
# renamed into place, so OUTPUT is either the old file or the whole new one.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/fmt_release.cmake)

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
    kadenzo_fmt_release("${SOURCE_DIR}/third_party/fmt/include/fmt/core.h" fmt_version)
    set(text "Kadenzo.dll ${VERSION} contains code of the libraries below, under their own licences.\n")
    foreach(entry IN LISTS notices)
        string(REPLACE "|" ";" fields "${entry}")
        list(POP_FRONT fields name)
        if(name STREQUAL "Dear ImGui")
            string(APPEND name " ${imgui_version}")
        elseif(name STREQUAL "{fmt}")
            string(APPEND name " ${fmt_version}")
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

# ---- Whole or not at all: every failure removes what the packaging made beside OUTPUT.
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
get_filename_component(output_name "${OUTPUT}" NAME)
set(staging "${output_dir}/.${output_name}.staging")
set(partial "${output_dir}/.${output_name}.partial")

function(fail why)
    file(REMOVE_RECURSE "${staging}" "${partial}")
    message(FATAL_ERROR "package_zip.cmake: ${why}")
endfunction()

# ---- The same commit gives the same bytes: every entry's time is the commit's (or
# SOURCE_DATE_EPOCH's), its permissions are fixed, the entries come in the order of the table above,
# and zip stores no owner or extra times (-X).
function(source_time out_var)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(${out_var} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()
    execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
        OUTPUT_VARIABLE time OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT time MATCHES "^[0-9]+$")
        fail("cannot tell the date of the commit in ${SOURCE_DIR}; set SOURCE_DATE_EPOCH")
    endif()
    set(${out_var} "${time}" PARENT_SCOPE)
endfunction()

# A note for README.txt when the tree holds changes no commit has, and a warning.
function(uncommitted_note out_var)
    set(${out_var} "" PARENT_SCOPE)
    execute_process(COMMAND git -C "${SOURCE_DIR}" status --porcelain
        OUTPUT_VARIABLE changes RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR changes STREQUAL "")
        return()
    endif()
    execute_process(COMMAND git -C "${SOURCE_DIR}" rev-parse --short HEAD
        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    message(WARNING "package_zip.cmake: ${SOURCE_DIR} has uncommitted changes; the package is no release "
                    "of commit ${commit} and says so in its README.txt")
    set(${out_var} "NOT A RELEASE: built from commit ${commit} with uncommitted changes.\n\n" PARENT_SCOPE)
endfunction()

foreach(tool ZIP BASH LLVM_READOBJ)
    if(NOT DEFINED ${tool})
        string(TOLOWER "${tool}" name)
        string(REPLACE "_" "-" name "${name}")
        find_program(${tool} NAMES ${name} ${name}-16)
    endif()
    if(NOT ${tool})
        fail("no ${tool} program; scripts/setup.sh windows installs what packaging takes")
    endif()
endforeach()
if(IS_DIRECTORY "${OUTPUT}")
    fail("cannot write ${OUTPUT}: it is a folder")
endif()
source_time(time)
uncommitted_note(note)

file(REMOVE_RECURSE "${staging}" "${partial}")
file(MAKE_DIRECTORY "${staging}")

file(COPY_FILE "${MODULE}" "${staging}/Kadenzo.dll" RESULT status)
if(NOT status EQUAL 0)
    fail("cannot copy ${MODULE}: ${status}")
endif()
# The DLL check on the very file the archive takes.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "LLVM_READOBJ=${LLVM_READOBJ}"
        "${BASH}" "${SOURCE_DIR}/scripts/check-windows-module.sh" "${staging}/Kadenzo.dll" "${VERSION}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    fail("the DLL check failed on ${MODULE}; nothing was packaged")
endif()
set(packaged Kadenzo.dll README.txt)
players_readme(readme pictures)
write_windows_text("${staging}/README.txt" "${note}${readme}")
foreach(picture IN LISTS pictures)
    get_filename_component(name "${picture}" NAME)
    file(COPY_FILE "${SOURCE_DIR}/${picture}" "${staging}/${name}" RESULT status)
    if(NOT status EQUAL 0)
        fail("cannot copy ${picture}: ${status}")
    endif()
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

foreach(name IN LISTS packaged)
    file(CHMOD "${staging}/${name}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND touch -d "@${time}" "${staging}/${name}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        fail("cannot set the time of ${name}")
    endif()
endforeach()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC "${ZIP}" -q -X -D "${partial}" ${packaged}
    WORKING_DIRECTORY "${staging}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    fail("could not write ${OUTPUT} (zip: ${status})")
endif()
file(REMOVE_RECURSE "${staging}")
file(RENAME "${partial}" "${OUTPUT}" RESULT status)
if(NOT status EQUAL 0)
    fail("cannot write ${OUTPUT}: ${status}")
endif()
message(STATUS "wrote ${OUTPUT}")
