# Cross build for Windows x86-64 with the host's C++ ABI (Visual C++'s): clang in its MSVC driver
# mode and lld-link from LLVM 16, Microsoft's STL (vendored in third_party/msvc-stl), Wine's C runtime
# and Windows headers, and import libraries of Wine's DLLs. What a Visual C++ installation would
# add besides is stood in for by toolchain/msvc-on-wine (see its README). Programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(llvm_suffix -16)
set(llvm_bin_dir /usr/lib/llvm${llvm_suffix}/bin)

# The stand-ins' sources (toolchain/msvc-on-wine), and the folder where everything prepared from them
# for this build folder lives; checks in try_compile projects reuse the latter.
get_filename_component(msvc_on_wine_source_dir ${CMAKE_CURRENT_LIST_DIR}/../toolchain/msvc-on-wine ABSOLUTE)
if(NOT KADENZO_MSVC_ON_WINE_DIR)
    set(KADENZO_MSVC_ON_WINE_DIR ${CMAKE_BINARY_DIR}/msvc-on-wine)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KADENZO_MSVC_ON_WINE_DIR)

# clang picks its MSVC driver mode from the name it is started by; Debian ships no clang-cl name.
set(clang_cl ${KADENZO_MSVC_ON_WINE_DIR}/bin/clang-cl)
if(NOT EXISTS ${clang_cl})
    if(NOT EXISTS ${llvm_bin_dir}/clang)
        message(FATAL_ERROR "clang from LLVM 16 is missing (${llvm_bin_dir}/clang); run scripts/setup.sh")
    endif()
    file(MAKE_DIRECTORY ${KADENZO_MSVC_ON_WINE_DIR}/bin)
    file(CREATE_LINK ${llvm_bin_dir}/clang ${clang_cl} SYMBOLIC)
endif()
set(CMAKE_C_COMPILER ${clang_cl})
set(CMAKE_CXX_COMPILER ${clang_cl})
set(CMAKE_C_COMPILER_TARGET x86_64-pc-windows-msvc)
set(CMAKE_CXX_COMPILER_TARGET x86_64-pc-windows-msvc)
set(CMAKE_LINKER ${llvm_bin_dir}/lld-link)
set(CMAKE_AR ${llvm_bin_dir}/llvm-lib)
set(CMAKE_RC_COMPILER ${llvm_bin_dir}/llvm-rc)
set(CMAKE_MT ${llvm_bin_dir}/llvm-mt)

# The headers Visual C++ would take from its installation, in its order: the toolset's (stand-ins),
# the STL, the UCRT and the Windows SDK (Wine's, corrected). /X: nothing from the environment.
set(msvc_on_wine_include_dirs
    ${msvc_on_wine_source_dir}/include
    ${KADENZO_MSVC_ON_WINE_DIR}/stl/inc
    ${KADENZO_MSVC_ON_WINE_DIR}/wine-include/msvcrt
    ${KADENZO_MSVC_ON_WINE_DIR}/wine-include/windows)
set(msvc_on_wine_compile_flags "--target=x86_64-pc-windows-msvc -fms-compatibility-version=19.39 /X")
foreach(dir IN LISTS msvc_on_wine_include_dirs)
    string(APPEND msvc_on_wine_compile_flags " -imsvc ${dir}")
endforeach()
# Wine's headers make WCHAR wchar_t and declare the compiler's structured exception handling
# (GetExceptionCode) only on request. The runtime's libraries are named on the link line instead of
# in every object (/Zl).
string(APPEND msvc_on_wine_compile_flags " -DWINE_UNICODE_NATIVE -DUSE_COMPILER_EXCEPTIONS /Zl")
# Wine's msvcp140.dll lacks the STL's vectorized algorithms (__std_find_trivial_4 and so on); the
# STL then uses its plain loops, which have the same results and no part in any layout.
string(APPEND msvc_on_wine_compile_flags " -D_USE_STD_VECTOR_ALGORITHMS=0")
set(CMAKE_C_FLAGS_INIT "${msvc_on_wine_compile_flags}")
set(CMAKE_CXX_FLAGS_INIT "${msvc_on_wine_compile_flags}")

# Every module links the start-up library and the import libraries of the runtime DLLs (lld-link,
# like link, takes libraries anywhere on its command line). vcruntime.lib comes before ucrt.lib:
# Wine's ucrtbase.dll also exports the C++ runtime's functions, Windows' does not.
set(msvc_on_wine_link_flags "/libpath:${KADENZO_MSVC_ON_WINE_DIR}/lib")
string(APPEND msvc_on_wine_link_flags " msvc_on_wine_startup.lib vcruntime.lib ucrt.lib msvcprt.lib kernel32.lib")
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "${msvc_on_wine_link_flags}")
endforeach()
# Instead of Visual C++'s default list of Windows libraries, of which only these are prepared.
set(CMAKE_C_STANDARD_LIBRARIES "kernel32.lib user32.lib" CACHE STRING "Libraries linked into every module")
set(CMAKE_CXX_STANDARD_LIBRARIES "kernel32.lib user32.lib" CACHE STRING "Libraries linked into every module")

# Headers and libraries never come from the build machine's own folders.
set(CMAKE_FIND_ROOT_PATH ${KADENZO_MSVC_ON_WINE_DIR})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own list of the headers it read (/showIncludes), which the Makefile generators turn
# into OBJECT.d beside each object, as they do with -MD for GCC: the build rebuilds on exactly those
# headers, and the checks of tests/build read them. CMake 3.25 turns this on for clang-cl only when
# the flag is known before its platform file sets it, so it is asked for here.
set(CMAKE_C_DEPENDS_USE_COMPILER TRUE)
set(CMAKE_CXX_DEPENDS_USE_COMPILER TRUE)

# Tests start Windows programs through our Wine launcher.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

include(${msvc_on_wine_source_dir}/prepare.cmake)
