# Checks that the plugin module and the SDK library it links (pluginsdk) need nothing of the build
# machine's but its toolchain: every header their objects were compiled from lies in the project, in
# the build folder, or in a file of the toolchain's own Debian packages, and no include folder of their
# commands lies elsewhere. So a configure and build of the module alone (-DKADENZO_BUILD_TESTS=OFF
# -DKADENZO_BUILD_BENCHMARKS=OFF), which compiles these same objects with the same commands, needs no
# library installed on the machine: not Debian's {fmt} or stb, whose headers may well be there.
#   -DBUILD_DIR=dir  -DSOURCE_DIR=dir  -DSYSTEM=Linux|Windows (CMAKE_SYSTEM_NAME)
#   -DTARGETS=Kadenzo,pluginsdk  the targets whose link lines name the objects and libraries to check
#   -DDPKG_QUERY=path            dpkg-query, which names the package each file outside is of
# The toolchain's packages:
#   Linux    the C library (libc6-dev, with the kernel's headers it includes, linux-libc-dev), the C++
#            library (libstdc++-N-dev) and the compiler's own headers (GCC's libgcc-N-dev; clang's
#            libclang-common-N-dev, and libclang-rt-N-dev with the sanitizers' lists)
#   Windows  clang's own headers (libclang-common-N-dev), and nothing at all from /usr/include: the C
#            runtime, the Windows headers and the STL are the build folder's msvc-on-wine/
#
# ---- The objects of the targets, from their link lines
# ---- Their include folders and headers
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/compiled_files.cmake)
string(REPLACE "," ";" TARGETS "${TARGETS}")
list(JOIN TARGETS " and " named_targets)

if(SYSTEM STREQUAL "Windows")
    set(toolchain_packages "^libclang-common-[0-9]+-dev$")
else()
    set(toolchain_packages
        "^(libc6-dev|linux-libc-dev|libstdc\\+\\+-[0-9]+-dev|libgcc-[0-9]+-dev|libclang-common-[0-9]+-dev|libclang-rt-[0-9]+-dev)$")
endif()

set(failures "")
function(fail text)
    set(failures "${failures}\n  ${text}" PARENT_SCOPE)
endfunction()

# ---- The objects of the targets, from their link lines
# A target's objects are the words of its link line (compiled_files.cmake) that end in .o or .obj; a
# library of this build that it names brings its own target's objects.
kadenzo_link_lines(${BUILD_DIR})
set(pending ${TARGETS})
set(checked_targets "")
set(module_objects "")
while(pending)
    list(POP_FRONT pending target)
    if(target IN_LIST checked_targets)
        continue()
    endif()
    list(APPEND checked_targets ${target})
    if(NOT target IN_LIST kadenzo_link_targets)
        message(FATAL_ERROR "${BUILD_DIR} has no link line for ${target}")
    endif()
    set(link_dir ${kadenzo_link_dir_${target}})
    string(REGEX MATCHALL "[^ \t\n\"]+" words "${kadenzo_link_line_${target}}")
    foreach(word IN LISTS words)
        if(word MATCHES "\\.(o|obj)$")
            cmake_path(ABSOLUTE_PATH word BASE_DIRECTORY ${link_dir} NORMALIZE)
            list(APPEND module_objects ${word})
        elseif(word MATCHES "([^/]+)\\.(a|lib|so)$")
            # A library this build made is a target of its own; the system's are not.
            set(library ${CMAKE_MATCH_1})
            string(REGEX REPLACE "^lib" "" unprefixed ${library})
            foreach(name ${library} ${unprefixed})
                if(name IN_LIST kadenzo_link_targets)
                    list(APPEND pending ${name})
                    break()
                endif()
            endforeach()
        endif()
    endforeach()
endwhile()
list(REMOVE_DUPLICATES module_objects)
list(LENGTH module_objects module_object_count)
if(module_object_count EQUAL 0)
    message(FATAL_ERROR "the link lines of ${named_targets} name no object")
endif()

# ---- Their include folders and headers
kadenzo_compiled_objects(${BUILD_DIR})
# The files from outside the project and the build folder, each with the first source that read it.
set(outside "")
set(outside_readers "")
foreach(object IN LISTS module_objects)
    list(FIND kadenzo_objects ${object} index)
    if(index EQUAL -1)
        message(FATAL_ERROR "${object}, linked into ${named_targets}, is not in the compile database")
    endif()
    list(GET kadenzo_sources ${index} source)
    list(GET kadenzo_commands ${index} command)
    list(GET kadenzo_directories ${index} directory)
    kadenzo_include_folders("${command}" ${directory} folders)
    foreach(folder IN LISTS folders)
        cmake_path(IS_PREFIX SOURCE_DIR ${folder} in_source)
        cmake_path(IS_PREFIX BUILD_DIR ${folder} in_build)
        if(NOT in_source AND NOT in_build)
            fail("${source} is compiled with an include folder outside the project: ${folder}")
        endif()
    endforeach()
    kadenzo_object_dependencies(${object} files)
    foreach(file IN LISTS files)
        cmake_path(IS_PREFIX SOURCE_DIR ${file} in_source)
        cmake_path(IS_PREFIX BUILD_DIR ${file} in_build)
        if(in_source OR in_build)
            continue()
        endif()
        if(SYSTEM STREQUAL "Windows" AND file MATCHES "^/usr/include/")
            fail("${source} reads the build machine's ${file}")
            continue()
        endif()
        if(NOT file IN_LIST outside)
            list(APPEND outside ${file})
            list(APPEND outside_readers ${source})
        endif()
    endforeach()
endforeach()

# Every file from outside belongs to one of the toolchain's packages.
set(owned "")
if(outside)
    execute_process(COMMAND ${DPKG_QUERY} --search ${outside} OUTPUT_VARIABLE owners ERROR_QUIET)
    string(REPLACE "\n" ";" owners "${owners}")
    foreach(owner IN LISTS owners)
        # PACKAGE[:ARCH][, PACKAGE...]: PATH
        if(NOT owner MATCHES "^([^ ]+): (/.*)$")
            continue()
        endif()
        set(packages ${CMAKE_MATCH_1})
        set(file ${CMAKE_MATCH_2})
        string(REPLACE ", " ";" packages "${packages}")
        list(FIND outside ${file} index)
        if(index EQUAL -1) # a diversion's line, or a name dpkg spells otherwise
            continue()
        endif()
        list(GET outside_readers ${index} reader)
        list(APPEND owned ${file})
        foreach(package IN LISTS packages)
            string(REGEX REPLACE ":[a-z0-9]+$" "" package ${package})
            if(NOT package MATCHES "${toolchain_packages}")
                fail("${reader} reads ${file}, of ${package}, which is not the toolchain's")
            endif()
        endforeach()
    endforeach()
    foreach(file reader IN ZIP_LISTS outside outside_readers)
        if(NOT file IN_LIST owned)
            fail("${reader} reads ${file}, which is in no package")
        endif()
    endforeach()
endif()

if(failures)
    message(FATAL_ERROR "${named_targets} need more of the build machine than its toolchain:${failures}")
endif()
list(LENGTH outside outside_count)
list(JOIN checked_targets ", " checked_targets)
message(STATUS "${module_object_count} objects of ${checked_targets}: nothing from outside the project and "
    "the build folder but ${outside_count} headers of the toolchain")
