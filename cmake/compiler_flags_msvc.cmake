# Flags for compilers with Visual C++'s command line: cl itself, or clang-cl.
if(KADENZO_SANITIZE)
    message(FATAL_ERROR "KADENZO_SANITIZE is for GCC-style builds")
endif()
add_compile_options(/W4 /permissive- /utf-8 /Zc:__cplusplus)
if(KADENZO_WARNINGS_AS_ERRORS)
    add_compile_options(/WX)
endif()
# The host's SDK exports classes that hold library types (std::string, std::function): both sides use
# the same DLL runtime, which is what these warnings (class needs a DLL interface) are about.
add_compile_options(/wd4251 /wd4275)
# The host's release runtime, in every configuration: a debug runtime has other library layouts.
set(CMAKE_MSVC_RUNTIME_LIBRARY MultiThreadedDLL)
add_compile_definitions(_ITERATOR_DEBUG_LEVEL=0)
# Floating-point arithmetic step by step as written, no fused multiply-add (/fp:contract is not
# given): the speed controller and the pictures must come out the same on every platform. clang-cl
# fuses within an expression under /fp:precise unless told otherwise.
add_compile_options(/fp:precise)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(/clang:-ffp-contract=off)
endif()
# Third-party code is built without our warning policy.
set(KADENZO_THIRD_PARTY_COMPILE_OPTIONS /w)
