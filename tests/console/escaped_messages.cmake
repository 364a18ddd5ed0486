# Text a person gave (a command word, the name of a script, a settings file or a module, an option's
# value) reaches the terminal with its control bytes shown as \xNN, whichever command repeats it. Each
# case runs kadenzo-sim with an ESC byte in one argument and expects a line on standard error (or
# output) with \x1B in its place, and no ESC byte anywhere in what the run printed.
#   -DSIMULATOR=path  -DPLUGIN=path/Kadenzo.so  -DWORK_DIR=dir  [-DEMULATOR=launcher;args]
#   [-DPLATFORM=windows]
# Windows refuses control bytes in file names, so there the cases that need such a file are left out.
#
# Index of this file:
# - The cases' run
# - Every command and the console

string(ASCII 27 esc)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/empty.kz "")
set(failures 0)

# ---- The cases' run ---------------------------------------------------------------------------

# expect_shown(WHAT STREAM EXPECTED ARGUMENTS...): runs kadenzo-sim with ARGUMENTS ({esc} standing for
# the ESC byte) and expects EXPECTED in STREAM (out or err), the whole of one line's start.
function(expect_shown what stream expected)
    set(arguments "")
    foreach(argument IN LISTS ARGN)
        string(REPLACE "{esc}" "${esc}" argument "${argument}")
        list(APPEND arguments "${argument}")
    endforeach()
    execute_process(
        COMMAND ${EMULATOR} ${SIMULATOR} ${arguments}
        WORKING_DIRECTORY ${WORK_DIR}
        INPUT_FILE ${WORK_DIR}/empty.kz
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err
        RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" out "${out}")
    string(REPLACE "\r\n" "\n" err "${err}")
    set(failed FALSE)
    string(FIND "\n${${stream}}" "\n${expected}" at)
    if(at EQUAL -1)
        message("${what}: expected on standard ${stream}: ${expected}")
        set(failed TRUE)
    endif()
    string(FIND "${out}${err}" "${esc}" raw)
    if(NOT raw EQUAL -1)
        message("${what}: an ESC byte reached the terminal")
        set(failed TRUE)
    endif()
    if(failed)
        string(REPLACE "${esc}" "<ESC>" out "${out}")
        string(REPLACE "${esc}" "<ESC>" err "${err}")
        message("  status ${status}\n  standard output:\n${out}\n  standard error:\n${err}")
        math(EXPR count "${failures} + 1")
        set(failures ${count} PARENT_SCOPE)
    endif()
endfunction()

# ---- Every command and the console ------------------------------------------------------------

# Windows cannot tell whether a file of a name it refuses is there, so there the word is taken for a
# script, which cannot be opened.
if(PLATFORM STREQUAL "windows")
    set(unknown_command [[kadenzo-sim: cannot open script \x1B[31mfoo: ]])
else()
    set(unknown_command [[kadenzo-sim: unknown command "\x1B[31mfoo"; the commands are]])
endif()
expect_shown("an unknown command" err "${unknown_command}" "{esc}[31mfoo")
expect_shown("a script in a folder that is not there" err
    [[kadenzo-sim: cannot open script no\x1B/script.kz: ]]
    "no{esc}/script.kz")
expect_shown("a --config file in a folder that is not there" err
    [[kadenzo-sim: cannot write settings no\x1B/settings: ]]
    --config "no{esc}/settings" empty.kz)
expect_shown("a module for validate that is not there" err
    [[kadenzo-sim validate: cannot load module no\x1B.so: ]]
    validate "no{esc}.so")
expect_shown("validate's --timeout" err
    [[kadenzo-sim validate: --timeout needs a number of seconds above 0 and at most 86400, not "\x1B5"]]
    validate --timeout "{esc}5")
expect_shown("validate's --include" err
    [[kadenzo-sim validate: --include: "[\x1B" is not a pattern: ]]
    validate --include "[{esc}")
expect_shown("play's --attempts" err
    [[kadenzo-sim play: --attempts must be a whole number of at least 1, not "\x1B5"]]
    play --attempts "{esc}5")
expect_shown("play's --csv in a folder that is not there" err
    [[kadenzo-sim play: --csv: cannot write no\x1B/play.csv: ]]
    play --csv "no{esc}/play.csv")
expect_shown("study's --runs" err
    [[kadenzo-sim study: --runs must be a whole number from 2 to 1000, not "\x1B5"]]
    study --runs "{esc}5")
expect_shown("window's --width" err
    [[kadenzo-sim window: --width must be a whole number of at least 64, not "\x1B5"]]
    window --width "{esc}5")

if(NOT PLATFORM STREQUAL "windows")
    file(WRITE "${WORK_DIR}/bad${esc}[31m.kz" "bogus\n")
    expect_shown("a failing line of a script whose name holds ESC" err
        [[bad\x1B[31m.kz:1: unknown command or variable "bogus"]]
        "bad{esc}[31m.kz")
    file(WRITE "${WORK_DIR}/kept${esc}.cfg" "slowMoEnabled banana\n")
    expect_shown("a refused line of a --config file whose name holds ESC" err
        [[kept\x1B.cfg:1: "banana" is not a number]]
        --config "kept{esc}.cfg" empty.kz)
    file(COPY_FILE ${PLUGIN} "${WORK_DIR}/module${esc}.so")
    expect_shown("the module validate names as it starts" out
        [[kadenzo-sim validate: module\x1B.so, 1 check]]
        validate --include "^record\\.layout$" "module{esc}.so")
    expect_shown("a file play wrote" out
        [[wrote play\x1B.csv]]
        play --attempts 10 --csv "play{esc}.csv")
endif()

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} message(s) let a control byte through or said something else")
endif()
message("every message showed ESC as \\x1B")
