# Flags for compilers with GCC's command line.
add_compile_options(-Wall -Wextra -Wpedantic)
if(KADENZO_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()
# Floating-point arithmetic step by step as written, no fused multiply-add: the speed controller and
# the pictures must come out the same on every platform.
add_compile_options(-ffp-contract=off)
if(KADENZO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
# Third-party code is built without our warning policy.
set(KADENZO_THIRD_PARTY_COMPILE_OPTIONS -w)
# The console fuzzer (clang only, with the sanitizers): every library and module also gets libFuzzer's
# coverage instrumentation, so that the tests and the fuzzer share one build; only the fuzzer program
# links libFuzzer's main, through KADENZO_FUZZER_LINK_OPTIONS.
if(KADENZO_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang" OR NOT KADENZO_SANITIZE)
        message(FATAL_ERROR "KADENZO_BUILD_FUZZERS needs clang, which has libFuzzer, and KADENZO_SANITIZE")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
    set(KADENZO_FUZZER_LINK_OPTIONS -fsanitize=fuzzer)
endif()
# Modules are linked with every symbol resolved, except where clang's sanitizers are on: clang links
# their run-time library into the program only, and modules refer to it unresolved.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND (KADENZO_SANITIZE OR KADENZO_BUILD_FUZZERS))
    set(KADENZO_MODULE_LINK_OPTIONS "")
else()
    set(KADENZO_MODULE_LINK_OPTIONS -Wl,--no-undefined)
endif()
# Every program and module finds the libraries of ours (pluginsdk.so) beside itself: the run path the
# linker writes is $ORIGIN, never the build folder's absolute name, so that a copied bin/ runs without
# the build folder, as Windows finds the DLLs beside a program (test build.relocatable_bin).
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)
