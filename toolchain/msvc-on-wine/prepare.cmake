# Prepares, once per build folder and again whenever its inputs change, what a Visual C++
# installation would provide to the clang-cl toolchain (cmake/clang-cl-x86_64-windows.cmake):
#   stl/            Microsoft's STL, extracted from third_party/msvc-stl
#   wine-include/   Wine's C runtime and Windows headers, with wine-headers.patch applied
#   lib/            import libraries of Wine's runtime and system DLLs (make-import-library.sh) and
#                   msvc_on_wine_startup.lib, the static start-up library (startup/ and the STL's own
#                   sources of functions that Wine's msvcp140.dll lacks)
# Run from the toolchain file, before the compiler checks, since they link programs already.
set(msvc_on_wine_source_dir ${CMAKE_CURRENT_LIST_DIR})
set(stl_archive ${msvc_on_wine_source_dir}/../../third_party/msvc-stl/msvc-stl-vs-2022-17.9.tar.xz)
set(wine_include_dir /usr/include/wine/wine)
set(wine_dll_dir /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
# The runtime (UCRT, Visual C++ runtime, STL) and the Windows DLLs the project's code calls.
set(import_libraries
    ucrt=ucrtbase vcruntime=vcruntime140 msvcprt=msvcp140
    kernel32=kernel32 user32=user32 imm32=imm32 version=version
    gdi32=gdi32 d3d11=d3d11 d3dcompiler=d3dcompiler_47)

set(out ${KADENZO_MSVC_ON_WINE_DIR})

# Parts of the STL that Visual C++ 2022's msvcp140.dll has and Wine's lacks (std::filesystem's
# operations, std::system_error's messages), compiled from the STL's sources with the stand-ins of the
# closed headers they include (stl-sources-include/).
set(stl_sources filesystem.cpp syserror_import_lib.cpp)

# ---- Up to date?
file(GLOB_RECURSE inputs ${msvc_on_wine_source_dir}/*)
list(APPEND inputs ${stl_archive})
list(SORT inputs)
set(fingerprint "${stl_archive};${import_libraries};${stl_sources};${msvc_on_wine_compile_flags}")
# A new Wine brings other headers and DLLs.
foreach(wine_file ${wine_include_dir}/msvcrt/corecrt.h ${wine_dll_dir}/ucrtbase.dll ${wine_dll_dir}/msvcp140.dll)
    file(TIMESTAMP ${wine_file} changed)
    string(APPEND fingerprint ";${wine_file}@${changed}")
endforeach()
foreach(input IN LISTS inputs)
    file(MD5 ${input} hash)
    string(APPEND fingerprint ";${input}=${hash}")
endforeach()
string(MD5 fingerprint "${fingerprint}")
set(stamp ${out}/prepared.stamp)
if(EXISTS ${stamp})
    file(READ ${stamp} previous)
    if(previous STREQUAL fingerprint)
        return()
    endif()
endif()

foreach(required ${wine_include_dir}/msvcrt/corecrt.h ${wine_dll_dir}/ucrtbase.dll ${llvm_bin_dir}/llvm-dlltool)
    if(NOT EXISTS ${required})
        message(FATAL_ERROR "${required} is missing; run scripts/setup.sh")
    endif()
endforeach()
message(STATUS "Preparing the Visual C++ stand-ins in ${out}")
file(REMOVE_RECURSE ${out}/stl ${out}/wine-include ${out}/lib ${out}/startup-objects)

# ---- Microsoft's STL
file(ARCHIVE_EXTRACT INPUT ${stl_archive} DESTINATION ${out}/stl-archive)
file(RENAME ${out}/stl-archive/msvc-stl/stl ${out}/stl)
file(REMOVE_RECURSE ${out}/stl-archive)

# ---- Wine's headers, corrected
file(COPY ${wine_include_dir}/msvcrt ${wine_include_dir}/windows DESTINATION ${out}/wine-include)
execute_process(
    COMMAND patch --quiet -p1 -d ${out}/wine-include -i ${msvc_on_wine_source_dir}/wine-headers.patch
    RESULT_VARIABLE patched)
if(NOT patched EQUAL 0)
    message(FATAL_ERROR "wine-headers.patch does not apply to ${wine_include_dir}")
endif()

# ---- Import libraries
file(MAKE_DIRECTORY ${out}/lib)
foreach(pair IN LISTS import_libraries)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 library)
    list(GET pair 1 dll)
    execute_process(
        COMMAND bash ${msvc_on_wine_source_dir}/make-import-library.sh ${wine_dll_dir}/${dll}.dll
            ${out}/lib/${library}.lib ${llvm_suffix}
        RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
        message(FATAL_ERROR "cannot make the import library of ${dll}.dll")
    endif()
endforeach()

# ---- Start-up library: compiled like the project's code, release runtime.
separate_arguments(compile_flags UNIX_COMMAND "${msvc_on_wine_compile_flags}")
# /GS-: the code that sets the stack cookie must not check one itself.
list(APPEND compile_flags /nologo /c /O2 /MD /W4 /WX /EHsc /GS-)
set(objects_dir ${out}/startup-objects)
file(MAKE_DIRECTORY ${objects_dir})
set(compilations)
foreach(source dll_entry.c exe_entry.c facet_registry.cpp initializers.c runtime_data.cpp stack_cookie.c
        stl_stub_replacements.cpp thread_safe_statics.c tls_directory.c)
    get_filename_component(name ${source} NAME_WE)
    list(APPEND compilations "${name}|${msvc_on_wine_source_dir}/startup/${source}|")
endforeach()
# One object per allocation function, so that a program may replace any of them (see the source).
foreach(function RANGE 1 13)
    list(APPEND compilations
        "operator_new_${function}|${msvc_on_wine_source_dir}/startup/operator_new.cpp|-DKADENZO_ALLOCATION_FUNCTION=${function}")
endforeach()
foreach(source IN LISTS stl_sources)
    get_filename_component(name ${source} NAME_WE)
    # Third-party code: without our warning policy.
    list(APPEND compilations "stl_${name}|${out}/stl/src/${source}|/w,-imsvc${msvc_on_wine_source_dir}/stl-sources-include")
endforeach()
set(objects)
foreach(compilation IN LISTS compilations)
    string(REPLACE "|" ";" compilation "${compilation}")
    list(GET compilation 0 name)
    list(GET compilation 1 source)
    list(GET compilation 2 extra_flags)
    string(REPLACE "," ";" extra_flags "${extra_flags}")
    get_filename_component(extension ${source} LAST_EXT)
    if(extension STREQUAL ".c")
        set(language_flags)
    else()
        set(language_flags /std:c++17)
    endif()
    execute_process(
        COMMAND ${clang_cl} ${compile_flags} ${language_flags} ${extra_flags} /Fo${objects_dir}/${name}.obj -- ${source}
        RESULT_VARIABLE compiled)
    if(NOT compiled EQUAL 0)
        message(FATAL_ERROR "cannot compile ${source} into the start-up library")
    endif()
    list(APPEND objects ${objects_dir}/${name}.obj)
endforeach()
execute_process(COMMAND ${llvm_bin_dir}/llvm-lib /nologo /out:${out}/lib/msvc_on_wine_startup.lib ${objects}
    RESULT_VARIABLE archived)
if(NOT archived EQUAL 0)
    message(FATAL_ERROR "cannot write msvc_on_wine_startup.lib")
endif()

file(WRITE ${stamp} "${fingerprint}")
