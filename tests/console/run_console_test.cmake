# Runs one console script through kadenzo-sim and compares what it prints with the expected files.
#   -DSIMULATOR=path  -DSCRIPT=path/NAME.kz  -DWORK_DIR=dir  -DVERSION=N.N.N.N  -DIMGUI_RELEASE=N.NN
#   -DFMT_RELEASE=N.N.N
#   [-DEMULATOR=launcher;args] [-DPLATFORM=windows]
# Beside NAME.kz: NAME.out (standard output), optionally NAME.err (standard error, default empty) and
# NAME.status (exit status, default 0); NAME.PLATFORM.out/.err override them on that platform.
# {version} in the expected files stands for the project's version, {imgui_release} for the Dear ImGui
# release the build names, {fmt_release} for the {fmt} release its headers state. NAME.files, if there,
# lists files the run must write (relative to the work folder) with their SHA-256, one "HASH  PATH" a
# line: the same on every platform, so that pictures and tables are the same to the byte everywhere.
# Directives in the script's first lines:
#   # run: ARGUMENTS   arguments instead of the script's file name ({script} stands for it)
#   # input: script    feed the script on standard input instead of naming it
#   # given: FILE      copy FILE from beside the script into the work folder before the run (a settings
#                      file for --config, say), replacing what an earlier run left there
#   # creates: no other file
#                      the run starts in an empty work folder and may leave no file there but those
#                      of NAME.files (no settings file, no unfinished output, no folder)
# {old_plugin} and {not_a_plugin} in a run line name copies of -DOLD_PLUGIN and -DNOT_A_PLUGIN made in
# the work folder: a module for another interface version, and a module that is no plugin at all.
# {NAME} names a copy of the module NAME.so (or .dll) of the list -DBROKEN_MODULES, the plugins that fail
# on purpose (broken_module.cpp). In the expected files, {module_extension} stands for .so or .dll.

get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(source_dir ${SCRIPT} DIRECTORY)
file(STRINGS ${SCRIPT} lines)
set(creates_no_other_file FALSE)
if(";${lines};" MATCHES ";# creates: no other file;")
    set(creates_no_other_file TRUE)
    file(REMOVE_RECURSE ${WORK_DIR})
endif()
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${SCRIPT} DESTINATION ${WORK_DIR})

get_filename_component(module_extension ${OLD_PLUGIN} LAST_EXT)
file(COPY_FILE ${OLD_PLUGIN} ${WORK_DIR}/old-plugin${module_extension})
file(COPY_FILE ${NOT_A_PLUGIN} ${WORK_DIR}/not-a-plugin${module_extension})

set(expected_files "")
if(EXISTS ${source_dir}/${name}.files)
    file(STRINGS ${source_dir}/${name}.files expected_files)
    foreach(entry IN LISTS expected_files)
        string(REGEX REPLACE "^[0-9a-f]+  " "" path "${entry}")
        file(REMOVE ${WORK_DIR}/${path})
    endforeach()
endif()

set(arguments ${name}.kz)
set(input_file "")
foreach(line IN LISTS lines)
    if(line MATCHES "^# run: (.*)$")
        string(REPLACE "{script}" "${name}.kz" run "${CMAKE_MATCH_1}")
        string(REPLACE "{old_plugin}" "old-plugin${module_extension}" run "${run}")
        string(REPLACE "{not_a_plugin}" "not-a-plugin${module_extension}" run "${run}")
        foreach(module IN LISTS BROKEN_MODULES)
            get_filename_component(module_file ${module} NAME)
            get_filename_component(module_name ${module} NAME_WE)
            string(FIND "${run}" "{${module_name}}" named)
            if(named GREATER_EQUAL 0)
                file(COPY_FILE ${module} ${WORK_DIR}/${module_file})
                string(REPLACE "{${module_name}}" "${module_file}" run "${run}")
            endif()
        endforeach()
        separate_arguments(arguments UNIX_COMMAND "${run}")
    elseif(line MATCHES "^# given: (.+)$")
        file(COPY_FILE ${source_dir}/${CMAKE_MATCH_1} ${WORK_DIR}/${CMAKE_MATCH_1})
    elseif(line MATCHES "^# input: script$")
        set(input_file ${WORK_DIR}/${name}.kz)
        if(NOT run)
            set(arguments "")
        endif()
    endif()
endforeach()
if(NOT input_file)
    # No standard input at all, as in CI.
    if(CMAKE_HOST_WIN32)
        set(input_file NUL)
    else()
        set(input_file /dev/null)
    endif()
endif()

file(GLOB_RECURSE files_before LIST_DIRECTORIES true RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
execute_process(
    COMMAND ${EMULATOR} ${SIMULATOR} ${arguments}
    WORKING_DIRECTORY ${WORK_DIR}
    INPUT_FILE ${input_file}
    OUTPUT_VARIABLE actual_out
    ERROR_VARIABLE actual_err
    RESULT_VARIABLE actual_status)

function(expected kind default result)
    set(value "${default}")
    if(EXISTS ${source_dir}/${name}.${kind})
        file(READ ${source_dir}/${name}.${kind} value)
    endif()
    if(PLATFORM AND EXISTS ${source_dir}/${name}.${PLATFORM}.${kind})
        file(READ ${source_dir}/${name}.${PLATFORM}.${kind} value)
    endif()
    string(REPLACE "{module_extension}" "${module_extension}" value "${value}")
    string(REPLACE "{version}" "${VERSION}" value "${value}")
    string(REPLACE "{imgui_release}" "${IMGUI_RELEASE}" value "${value}")
    string(REPLACE "{fmt_release}" "${FMT_RELEASE}" value "${value}")
    set(${result} "${value}" PARENT_SCOPE)
endfunction()

expected(out "" expected_out)
expected(err "" expected_err)
expected(status "0" expected_status)
string(STRIP "${expected_status}" expected_status)
foreach(stream actual_out actual_err)
    string(REPLACE "\r\n" "\n" ${stream} "${${stream}}")
endforeach()

set(failed FALSE)
if(NOT actual_status STREQUAL expected_status)
    message("exit status: expected ${expected_status}, got ${actual_status}")
    set(failed TRUE)
endif()
if(NOT actual_out STREQUAL expected_out)
    file(WRITE ${WORK_DIR}/${name}.actual.out "${actual_out}")
    message("standard output differs from ${name}.out; got (also in ${WORK_DIR}/${name}.actual.out):\n${actual_out}")
    set(failed TRUE)
endif()
if(NOT actual_err STREQUAL expected_err)
    file(WRITE ${WORK_DIR}/${name}.actual.err "${actual_err}")
    message("standard error differs from ${name}.err; got:\n${actual_err}")
    set(failed TRUE)
endif()
foreach(entry IN LISTS expected_files)
    if(NOT entry MATCHES "^([0-9a-f]+)  (.+)$")
        message(FATAL_ERROR "${name}.files: not \"HASH  PATH\": ${entry}")
    endif()
    set(expected_hash ${CMAKE_MATCH_1})
    set(path ${CMAKE_MATCH_2})
    if(NOT EXISTS ${WORK_DIR}/${path})
        message("${path} was not written")
        set(failed TRUE)
        continue()
    endif()
    file(SHA256 ${WORK_DIR}/${path} actual_hash)
    if(NOT actual_hash STREQUAL expected_hash)
        message("${path} differs from the expected one: SHA-256 ${actual_hash} (in ${WORK_DIR})")
        set(failed TRUE)
    endif()
endforeach()
if(creates_no_other_file)
    file(GLOB_RECURSE files_after LIST_DIRECTORIES true RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
    foreach(path IN LISTS files_after)
        list(FIND files_before "${path}" was_there)
        string(FIND "${expected_files}" "  ${path}" listed)
        # What this script writes on a failure aside.
        string(FIND "${path}" "${name}.actual." own)
        if(was_there LESS 0 AND listed LESS 0 AND NOT own EQUAL 0)
            message("the run left ${path}, which it should not have written")
            set(failed TRUE)
        endif()
    endforeach()
endif()
if(failed)
    file(WRITE ${WORK_DIR}/${name}.actual.status "${actual_status}\n")
    message(FATAL_ERROR "console script ${name}.kz failed")
endif()
