# What a build compiled, for the checks of this folder (cmake -P scripts): its compile database
# (compile_commands.json, CMAKE_EXPORT_COMPILE_COMMANDS) and the compiler's own list of the files each
# object was compiled from, OBJECT.d beside the object. The Makefile generators have GCC and clang
# write it (-MD, a make rule); for clang-cl the toolchain file asks for /showIncludes, whose headers
# CMake writes there one a line. (Ninja takes these files into a log of its own and removes them.)
#   kadenzo_compiled_objects(BUILD_DIR)
#       sets kadenzo_objects, the absolute path of every object the database compiles, and in the same
#       order kadenzo_sources, kadenzo_commands and kadenzo_directories (where each command runs); a
#       fatal error without a database
#   kadenzo_object_dependencies(OBJECT OUT_VAR)
#       OUT_VAR = every header OBJECT was compiled from (and its source, in GCC's form), each once,
#       as absolute normal paths; a fatal error when OBJECT.d is missing, naming the object
#   kadenzo_include_folders(COMMAND DIRECTORY OUT_VAR)
#       OUT_VAR = the folders COMMAND names for includes (-I, -isystem, -iquote, -idirafter, -imsvc,
#       /I), absolute and normal, relative ones taken from DIRECTORY

function(kadenzo_compiled_objects build_dir)
    set(database ${build_dir}/compile_commands.json)
    if(NOT EXISTS ${database})
        message(FATAL_ERROR "${database} is missing: configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "
            "(every preset does)")
    endif()
    file(READ ${database} json)
    string(JSON count LENGTH "${json}")
    set(objects "")
    set(sources "")
    set(commands "")
    set(directories "")
    if(count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(index RANGE ${last})
            string(JSON entry GET "${json}" ${index})
            string(JSON directory GET "${entry}" directory)
            string(JSON source GET "${entry}" file)
            string(JSON command GET "${entry}" command)
            if(command MATCHES " (-o |[-/]Fo)([^ ]+)")
                set(object ${CMAKE_MATCH_2})
            else()
                message(FATAL_ERROR "${database}: the command for ${source} names no object (-o or /Fo)")
            endif()
            cmake_path(ABSOLUTE_PATH object BASE_DIRECTORY ${directory} NORMALIZE)
            list(APPEND objects ${object})
            list(APPEND sources ${source})
            # A command is one list element: its semicolons (none in this build) would split it.
            string(REPLACE ";" "\\;" command "${command}")
            list(APPEND commands "${command}")
            list(APPEND directories ${directory})
        endforeach()
    endif()
    set(kadenzo_objects "${objects}" PARENT_SCOPE)
    set(kadenzo_sources "${sources}" PARENT_SCOPE)
    set(kadenzo_commands "${commands}" PARENT_SCOPE)
    set(kadenzo_directories "${directories}" PARENT_SCOPE)
endfunction()

function(kadenzo_object_dependencies object out_var)
    set(depfile ${object}.d)
    if(NOT EXISTS ${depfile})
        message(FATAL_ERROR "${depfile} is missing: the compiler wrote no list of the files it read for "
            "${object} (a Makefile generator with GCC, clang or clang-cl keeps one)")
    endif()
    file(READ ${depfile} text)
    # GCC's and clang's form is a make rule, "TARGET: FILE FILE \<newline> FILE ...", a space within a
    # name written "\ "; what CMake writes from /showIncludes is one header a line.
    string(REPLACE "\\\n" " " rule "${text}")
    string(FIND "${rule}" ": " colon)
    if(colon EQUAL -1)
        string(REGEX REPLACE "\r?\n" ";" names "${text}")
        list(FILTER names EXCLUDE REGEX "^$")
    else()
        string(REPLACE "\\ " "<space>" rule "${rule}")
        math(EXPR start "${colon} + 2")
        string(SUBSTRING "${rule}" ${start} -1 rule)
        string(REGEX MATCHALL "[^ \t\r\n]+" names "${rule}")
        list(TRANSFORM names REPLACE "<space>" " ")
    endif()
    # Relative names are the compiler's, which a Makefile runs in the folder above CMakeFiles/.
    string(REGEX REPLACE "/CMakeFiles/.*$" "" command_dir ${object})
    set(files "")
    foreach(name IN LISTS names)
        cmake_path(ABSOLUTE_PATH name BASE_DIRECTORY ${command_dir} NORMALIZE)
        list(APPEND files "${name}")
    endforeach()
    list(REMOVE_DUPLICATES files)
    set(${out_var} "${files}" PARENT_SCOPE)
endfunction()

function(kadenzo_include_folders command directory out_var)
    string(REGEX MATCHALL "(^| )(-I|-isystem|-iquote|-idirafter|-imsvc|/I) ?[^ ]+" flags "${command}")
    set(folders "")
    foreach(flag IN LISTS flags)
        string(REGEX REPLACE "^ ?(-I|-isystem|-iquote|-idirafter|-imsvc|/I) ?" "" folder "${flag}")
        cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY ${directory} NORMALIZE)
        list(APPEND folders "${folder}")
    endforeach()
    set(${out_var} "${folders}" PARENT_SCOPE)
endfunction()
