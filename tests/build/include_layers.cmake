# Checks that kadenzo-sim's includes only run down its layers: each folder of sim/ is one library, and a
# file may include a header of its own folder or of a folder whose library its library links, straight or
# through others. Includes name their folder ("loader/modules.h"); a bare name of one of sim/'s headers is
# refused. The links between the libraries must not run round in a circle.
#   -DSIM_DIR=dir   the sources of kadenzo-sim
#   -DLAYERS=file   what sim/CMakeLists.txt wrote of its libraries: a line "FOLDER,TARGET,LINKED,..." each
# A folder may hold several libraries (a command and the arithmetic under it); its files then reach what
# any of them links.
# Reports every include against the layers as FILE:LINE: cause, and fails when there is any.
cmake_minimum_required(VERSION 3.25)

# ---- The libraries and their links ------------------------------------------------------------------

file(STRINGS ${LAYERS} layer_lines)
set(folders "")
foreach(line IN LISTS layer_lines)
    string(REPLACE "," ";" line "${line}")
    list(POP_FRONT line folder target)
    if(folder IN_LIST folders)
        set(target_of_${folder} "${target_of_${folder}} or ${target}")
    else()
        list(APPEND folders ${folder})
        set(target_of_${folder} ${target})
        set(links_of_${folder} "")
    endif()
    set(folder_of_${target} ${folder})
    list(APPEND links_of_${folder} ${line})
endforeach()
foreach(folder IN LISTS folders)
    set(below_${folder} "")
    foreach(linked IN LISTS links_of_${folder})
        if(DEFINED folder_of_${linked} AND NOT folder_of_${linked} STREQUAL folder)
            list(APPEND below_${folder} ${folder_of_${linked}})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES below_${folder})
endforeach()

# Every folder that the libraries below FOLDER's reach, depth first; a folder met again on the way down
# is a circle of links.
function(reach folder path)
    if(DEFINED reach_${folder})
        return()
    endif()
    if(folder IN_LIST path)
        list(APPEND path ${folder})
        list(JOIN path " -> " circle)
        message(FATAL_ERROR "kadenzo-sim's libraries link each other in a circle: ${circle}")
    endif()
    set(reached "")
    set(down ${path})
    list(APPEND down ${folder})
    foreach(lower IN LISTS below_${folder})
        reach(${lower} "${down}")
        list(APPEND reached ${lower} ${reach_${lower}})
    endforeach()
    list(REMOVE_DUPLICATES reached)
    set(reach_${folder} "${reached}" PARENT_SCOPE)
endfunction()
foreach(folder IN LISTS folders)
    reach(${folder} "")
endforeach()

# ---- The includes ---------------------------------------------------------------------------------

# The headers of sim/ by file name, to tell a bare name of one of them from a header of elsewhere.
file(GLOB_RECURSE headers RELATIVE ${SIM_DIR} ${SIM_DIR}/*.h)
set(header_names "")
foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    list(APPEND header_names ${name})
endforeach()

function(folder_of_file file result)
    if(file MATCHES "^([^/]+)/")
        set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
    else()
        set(${result} . PARENT_SCOPE)
    endif()
endfunction()

set(faults "")
file(GLOB_RECURSE sources RELATIVE ${SIM_DIR} ${SIM_DIR}/*.h ${SIM_DIR}/*.cpp)
foreach(source IN LISTS sources)
    folder_of_file(${source} own)
    if(NOT own IN_LIST folders)
        list(APPEND faults "${SIM_DIR}/${source}: its folder ${own}/ is no library of kadenzo-sim")
        continue()
    endif()
    file(READ ${SIM_DIR}/${source} text)
    string(REGEX MATCHALL "\n[ \t]*#[ \t]*include[ \t]+\"[^\"\n]+\"" includes "\n${text}")
    set(searched_to 0)
    foreach(include IN LISTS includes)
        string(REGEX REPLACE ".*\"([^\"]+)\"" "\\1" included "${include}")
        # Its line, for the message.
        string(FIND "\n${text}" "${include}" at)
        string(SUBSTRING "\n${text}" 0 ${at} before)
        string(REGEX MATCHALL "\n" newlines "${before}")
        list(LENGTH newlines line)
        math(EXPR line "${line} + 1")
        set(where "${SIM_DIR}/${source}:${line}")

        if(EXISTS ${SIM_DIR}/${included} AND NOT IS_DIRECTORY ${SIM_DIR}/${included})
            folder_of_file(${included} lower)
        elseif(NOT included MATCHES "/")
            get_filename_component(name ${included} NAME)
            if(name IN_LIST header_names)
                list(APPEND faults "${where}: \"${included}\" must name its folder, from sim/")
            endif()
            continue()
        else()
            continue()
        endif()
        # The program itself may include any library it links; it links them all.
        if(source STREQUAL "main.cpp" OR lower STREQUAL own OR lower IN_LIST reach_${own})
            continue()
        endif()
        list(APPEND faults
            "${where}: includes \"${included}\", but ${target_of_${own}} (${own}/) does not link ${target_of_${lower}} (${lower}/)")
    endforeach()
endforeach()

list(LENGTH faults fault_count)
if(fault_count GREATER 0)
    list(JOIN faults "\n" report)
    message(FATAL_ERROR "${fault_count} include(s) against kadenzo-sim's layers:\n${report}")
endif()
list(LENGTH sources source_count)
list(LENGTH folders folder_count)
message(STATUS "${source_count} files of ${folder_count} libraries include only downwards")
