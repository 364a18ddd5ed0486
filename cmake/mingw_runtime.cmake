# The MinGW runtime DLLs a cross-built module needs beside it, so that the build folder runs under
# Wine (or on Windows) with nothing else set up.
set(mingw_runtime_dlls
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
)
foreach(dll IN LISTS mingw_runtime_dlls)
    if(NOT EXISTS ${dll})
        message(FATAL_ERROR "MinGW runtime ${dll} is missing; run scripts/setup.sh")
    endif()
endforeach()

# Copies the runtime DLLs into TARGET's output folder after it is built.
function(kadenzo_copy_mingw_runtime target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${mingw_runtime_dlls} $<TARGET_FILE_DIR:${target}>
        VERBATIM)
endfunction()
