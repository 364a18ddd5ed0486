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

# Into the one output folder every program and module is built in, once per configure.
file(COPY ${mingw_runtime_dlls} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
