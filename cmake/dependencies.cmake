# Third-party libraries, all from Debian packages: {fmt} header-only, Dear ImGui static.
#   kadenzo::fmt    {fmt} used header-only, so no module needs libfmt at run time
#   kadenzo::imgui  Dear ImGui core (and on Linux its backends), linked statically into each module

add_library(kadenzo_fmt INTERFACE)
add_library(kadenzo::fmt ALIAS kadenzo_fmt)
target_compile_definitions(kadenzo_fmt INTERFACE FMT_HEADER_ONLY)

if(WIN32)
    # The cross compiler must not search the host's /usr/include, so expose just the fmt headers.
    set(fmt_include_dir ${CMAKE_BINARY_DIR}/third-party-include)
    file(MAKE_DIRECTORY ${fmt_include_dir})
    file(CREATE_LINK /usr/include/fmt ${fmt_include_dir}/fmt SYMBOLIC)
    target_include_directories(kadenzo_fmt SYSTEM INTERFACE ${fmt_include_dir})

    include(imgui_from_source)
    add_library(kadenzo::imgui ALIAS imgui_static)
    include(mingw_runtime)
else()
    find_path(IMGUI_INCLUDE_DIR imgui.h PATH_SUFFIXES imgui REQUIRED)
    find_library(IMGUI_LIBRARY NAMES libimgui.a imgui REQUIRED)
    find_library(STB_LIBRARY NAMES libstb.a stb REQUIRED)
    add_library(kadenzo_imgui INTERFACE)
    add_library(kadenzo::imgui ALIAS kadenzo_imgui)
    target_include_directories(kadenzo_imgui SYSTEM INTERFACE ${IMGUI_INCLUDE_DIR})
    target_link_libraries(kadenzo_imgui INTERFACE ${IMGUI_LIBRARY} ${STB_LIBRARY})
endif()
