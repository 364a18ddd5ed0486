# Runs `kadenzo-sim validate` on a module for CTest, shows what it printed, and judges the run.
#   -DSIMULATOR=path -DMODULE=path [-DEMULATOR=launcher;args] [-DOPTIONS=list of options before MODULE]
# and one of
#   -DJUNIT=file      the module must pass every check (exit status 0); the JUnit file is written there
#                     (an older one is removed first, so that a run that wrote none shows none)
#   -DJSON=file -DEXPECT_CHECKS=list -DEXPECT_RESULT=PASS|FAIL|CRASH|TIMEOUT -DEXPECT_REASON=regex
#                     the validator must catch a fault: at least one of EXPECT_CHECKS has that result
#                     for a reason matching EXPECT_REASON, as the JSON file says
#   [-DEXPECT_REPORT=regex]  and one line that check reported matches it
#   [-DEXPECT_STATUS=n]      the exit status expected instead of 1 (0 when the result expected is PASS)
#   [-DEXPECT_DROPPED=n]     and that check kept at most 1 MiB of its output and dropped at least n bytes
# and, with either, on Linux
#   [-DMARK=ON]       every process the run starts is marked through its environment; none may be left
#                     running afterwards
cmake_minimum_required(VERSION 3.25)

set(result_file "")
if(JUNIT)
    set(result_file ${JUNIT})
    list(APPEND OPTIONS --junit ${JUNIT})
elseif(JSON)
    set(result_file ${JSON})
    list(APPEND OPTIONS --json ${JSON})
else()
    message(FATAL_ERROR "run_validate.cmake needs -DJUNIT or -DJSON")
endif()
get_filename_component(result_folder ${result_file} DIRECTORY)
file(MAKE_DIRECTORY ${result_folder})
file(REMOVE ${result_file})

# No standard input at all, as in CI.
if(CMAKE_HOST_WIN32)
    set(no_input NUL)
else()
    set(no_input /dev/null)
endif()
if(MARK)
    string(RANDOM LENGTH 16 mark)
    set(ENV{KADENZO_VALIDATE_TEST_MARK} "${mark}")
endif()
execute_process(
    COMMAND ${EMULATOR} ${SIMULATOR} validate ${OPTIONS} ${MODULE}
    INPUT_FILE ${no_input}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status)
# CTest shows this when the test fails: the table of every check among it.
message("${out}")
if(err)
    message("standard error:\n${err}")
endif()

# The marked processes still running (a zombie's environment reads empty), given a few seconds to end
# since a process killed takes a moment to go. The search itself runs unmarked.
if(MARK)
    unset(ENV{KADENZO_VALIDATE_TEST_MARK})
    foreach(try RANGE 50)
        execute_process(
            COMMAND sh -c "grep -lsaF -- \"KADENZO_VALIDATE_TEST_MARK=$1\" /proc/[0-9]*/environ" sh "${mark}"
            OUTPUT_VARIABLE left)
        if(NOT left)
            break()
        endif()
        execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.1)
    endforeach()
    if(left)
        message(FATAL_ERROR "processes the run started are still running:\n${left}")
    endif()
endif()

if(JUNIT)
    if(NOT EXISTS ${JUNIT})
        message(FATAL_ERROR "kadenzo-sim validate wrote no JUnit file (exit status ${status})")
    endif()
    message("JUnit: ${JUNIT}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "kadenzo-sim validate: exit status ${status}; not every check passed")
    endif()
    return()
endif()

if(EXPECT_STATUS STREQUAL "")
    set(EXPECT_STATUS 1)
endif()
if(NOT status EQUAL EXPECT_STATUS)
    message(FATAL_ERROR "kadenzo-sim validate: exit status ${status}, expected ${EXPECT_STATUS}")
endif()
if(NOT EXISTS ${JSON})
    message(FATAL_ERROR "kadenzo-sim validate wrote no JSON file")
endif()
file(READ ${JSON} json)
string(JSON count ERROR_VARIABLE json_error LENGTH "${json}" checks)
if(json_error)
    message(FATAL_ERROR "${JSON} is not the JSON expected: ${json_error}")
endif()
# In OUT, the first line check INDEX reported that matches EXPECT_REPORT, if any.
function(reported index out)
    set(${out} "" PARENT_SCOPE)
    if(NOT EXPECT_REPORT)
        return()
    endif()
    string(JSON lines ERROR_VARIABLE no_reports LENGTH "${json}" checks ${index} reports)
    if(no_reports OR lines EQUAL 0)
        return()
    endif()
    math(EXPR last_line "${lines} - 1")
    foreach(line_index RANGE ${last_line})
        string(JSON line GET "${json}" checks ${index} reports ${line_index})
        if(line MATCHES "${EXPECT_REPORT}")
            set(${out} "${line}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
endfunction()

set(seen "")
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON name GET "${json}" checks ${index} name)
    string(JSON result GET "${json}" checks ${index} result)
    string(JSON reason GET "${json}" checks ${index} reason)
    list(APPEND seen "${name} ${result}: ${reason}")
    if(name IN_LIST EXPECT_CHECKS AND result STREQUAL EXPECT_RESULT AND reason MATCHES "${EXPECT_REASON}")
        reported(${index} report)
        if(EXPECT_DROPPED)
            string(JSON dropped GET "${json}" checks ${index} outputDroppedBytes)
            string(JSON output GET "${json}" checks ${index} output)
            string(LENGTH "${output}" kept)
            if(dropped LESS EXPECT_DROPPED OR kept GREATER 1048576)
                message(FATAL_ERROR "${name} kept ${kept} bytes of output and dropped ${dropped}, expected at "
                                    "most 1048576 kept and at least ${EXPECT_DROPPED} dropped")
            endif()
        endif()
        if(NOT EXPECT_REPORT OR report)
            message("caught as expected: ${name} ${result}: ${reason}")
            return()
        endif()
        list(APPEND seen "  no line it reported matches \"${EXPECT_REPORT}\"")
    endif()
endforeach()
list(JOIN seen "\n  " seen)
message(FATAL_ERROR "expected ${EXPECT_RESULT} for a reason matching \"${EXPECT_REASON}\" from one of "
                    "${EXPECT_CHECKS}; the results were:\n  ${seen}")
