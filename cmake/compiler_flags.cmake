# Compiler flags of the whole build, by compiler front end: Visual C++'s command line (cl, clang-cl)
# or GCC's (g++, clang++). The toolchain files add only what their cross builds need.
if(MSVC)
    include(compiler_flags_msvc)
else()
    include(compiler_flags_gnu)
endif()
