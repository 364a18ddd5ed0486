# Third-party libraries: {fmt}, stb and Dear ImGui from their copies in third_party/, compiled in every
# build, Linux and Windows alike; libedit from the system, on Linux only.
#   kadenzo::fmt      {fmt}, a static library linked into each module, so none needs libfmt at run time (fmt.cmake)
#   kadenzo::imgui    Dear ImGui's core, linked statically into each module (imgui.cmake)
#   kadenzo::stb      stb's image writer (pictures) and reader (tests), a static library
#   kadenzo::libedit  libedit (BSD licence), line editing at the console's terminal; not on Windows,
#                     whose console edits lines itself

include(fmt)

# stb's writer and reader compiled from their headers (third_party/stb) by one source of ours.
add_library(kadenzo_stb STATIC ${PROJECT_SOURCE_DIR}/third_party/stb/stb_implementation.cpp)
add_library(kadenzo::stb ALIAS kadenzo_stb)
target_compile_definitions(kadenzo_stb PRIVATE STB_IMAGE_IMPLEMENTATION STB_IMAGE_WRITE_IMPLEMENTATION)
target_compile_options(kadenzo_stb PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})
target_include_directories(kadenzo_stb SYSTEM PUBLIC ${PROJECT_SOURCE_DIR}/third_party/stb/include)

if(NOT WIN32)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(LIBEDIT REQUIRED IMPORTED_TARGET GLOBAL libedit)
    add_library(kadenzo::libedit ALIAS PkgConfig::LIBEDIT)
endif()

include(imgui)
