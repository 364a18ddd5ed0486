# Third-party libraries, all from Debian packages: {fmt} header-only, Dear ImGui static.
#   kadenzo::fmt    {fmt} used header-only, so no module needs libfmt at run time
#   kadenzo::imgui  Dear ImGui core (and on Linux its backends), linked statically into each module
#   kadenzo::stb    stb's image writer (pictures) and reader (tests)

add_library(kadenzo_fmt INTERFACE)
add_library(kadenzo::fmt ALIAS kadenzo_fmt)
target_compile_definitions(kadenzo_fmt INTERFACE FMT_HEADER_ONLY)

if(WIN32)
    # The cross compiler must not search the host's /usr/include, so expose just the fmt and stb headers.
    set(third_party_include_dir ${CMAKE_BINARY_DIR}/third-party-include)
    file(MAKE_DIRECTORY ${third_party_include_dir})
    file(CREATE_LINK /usr/include/fmt ${third_party_include_dir}/fmt SYMBOLIC)
    file(CREATE_LINK /usr/include/stb ${third_party_include_dir}/stb SYMBOLIC)
    target_include_directories(kadenzo_fmt SYSTEM INTERFACE ${third_party_include_dir})

    # Debian ships stb as headers plus a Linux library; here the writer and reader are compiled from
    # their headers.
    add_library(kadenzo_stb STATIC ${CMAKE_CURRENT_LIST_DIR}/stb_implementation.cpp)
    target_compile_definitions(kadenzo_stb PRIVATE STB_IMAGE_IMPLEMENTATION STB_IMAGE_WRITE_IMPLEMENTATION)
    target_compile_options(kadenzo_stb PRIVATE -w)
    target_include_directories(kadenzo_stb SYSTEM PUBLIC ${third_party_include_dir})

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
    add_library(kadenzo_stb INTERFACE)
    target_link_libraries(kadenzo_stb INTERFACE ${STB_LIBRARY})
endif()
add_library(kadenzo::stb ALIAS kadenzo_stb)
