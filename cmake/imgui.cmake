# Dear ImGui, compiled from its sources in every build.
#   kadenzo_imgui                  the core, a static library: the plugin module and kadenzo-sim each link
#                                  their own copy, as a host and its plugins do
#   kadenzo_imgui_glfw_opengl3     the GLFW and OpenGL 3 backends with the gl3w loader (the desktop
#                                  window on Linux); only where GLFW is found
#   kadenzo_imgui_win32_dx11       the Win32 and Direct3D 11 backends (the desktop window on Windows)
#
# The plugin reads and writes the host's Dear ImGui context by the layouts of the release it is compiled
# from, so it must be compiled from the host's own release and imconfig.h. KADENZO_IMGUI_RELEASE names
# that release, here and nowhere else; the build refuses sources of another release.
# Rationale: 1.77 is the last release whose sliders take the float power as a real parameter, which is
# what the host's plugin interface was written against.

set(KADENZO_IMGUI_RELEASE 1.77 CACHE STRING "The host's Dear ImGui release, which the sources must be")
set(KADENZO_IMGUI_SOURCE_DIR ${PROJECT_SOURCE_DIR}/third_party/imgui CACHE PATH
    "Dear ImGui's sources with the imconfig.h of the host (imgui.cpp, imgui.h, imconfig.h, ...)")

set(imgui_header ${KADENZO_IMGUI_SOURCE_DIR}/imgui.h)
if(NOT EXISTS ${imgui_header} OR NOT EXISTS ${KADENZO_IMGUI_SOURCE_DIR}/imgui.cpp)
    message(FATAL_ERROR "KADENZO_IMGUI_SOURCE_DIR (${KADENZO_IMGUI_SOURCE_DIR}) holds no imgui.h and imgui.cpp")
endif()
file(STRINGS ${imgui_header} imgui_version_line REGEX "^#define IMGUI_VERSION +\"[^\"]*\"")
string(REGEX REPLACE "^#define IMGUI_VERSION +\"([^\"]*)\".*" "\\1" imgui_found_release "${imgui_version_line}")
if(NOT imgui_found_release STREQUAL KADENZO_IMGUI_RELEASE)
    message(FATAL_ERROR "${imgui_header} is Dear ImGui '${imgui_found_release}', "
        "but the host's release is ${KADENZO_IMGUI_RELEASE} (KADENZO_IMGUI_RELEASE)")
endif()
message(STATUS "Dear ImGui ${KADENZO_IMGUI_RELEASE} from ${KADENZO_IMGUI_SOURCE_DIR}")

# Releases from 1.80 on have tables in a source of their own.
set(imgui_sources imgui.cpp imgui_draw.cpp imgui_widgets.cpp)
if(EXISTS ${KADENZO_IMGUI_SOURCE_DIR}/imgui_tables.cpp)
    list(APPEND imgui_sources imgui_tables.cpp)
endif()
list(TRANSFORM imgui_sources PREPEND ${KADENZO_IMGUI_SOURCE_DIR}/)
add_library(kadenzo_imgui STATIC ${imgui_sources})
add_library(kadenzo::imgui ALIAS kadenzo_imgui)
target_include_directories(kadenzo_imgui SYSTEM PUBLIC ${KADENZO_IMGUI_SOURCE_DIR})
target_compile_options(kadenzo_imgui PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})

# The backends sit in examples/ up to 1.79 and in backends/ from 1.80 on; kadenzo-sim's desktop window
# needs them, the plugin never does.
set(imgui_backends_dir ${KADENZO_IMGUI_SOURCE_DIR}/examples)
if(NOT EXISTS ${imgui_backends_dir}/imgui_impl_opengl3.cpp)
    set(imgui_backends_dir ${KADENZO_IMGUI_SOURCE_DIR}/backends)
endif()

function(kadenzo_imgui_backend target)
    cmake_parse_arguments(PARSE_ARGV 1 backend "" "" "SOURCES")
    foreach(source IN LISTS backend_SOURCES)
        if(NOT EXISTS ${source})
            message(STATUS "Dear ImGui backend ${target} left out: no ${source}")
            return()
        endif()
    endforeach()
    add_library(${target} STATIC ${backend_SOURCES})
    target_include_directories(${target} SYSTEM PUBLIC ${imgui_backends_dir})
    target_link_libraries(${target} PUBLIC kadenzo_imgui)
    target_compile_options(${target} PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})
endfunction()

if(WIN32)
    kadenzo_imgui_backend(kadenzo_imgui_win32_dx11 SOURCES
        ${imgui_backends_dir}/imgui_impl_win32.cpp ${imgui_backends_dir}/imgui_impl_dx11.cpp)
    if(TARGET kadenzo_imgui_win32_dx11)
        # No gamepad: the window is driven by mouse and keyboard, and needs no XInput. Wine's windef.h
        # declares the DPI awareness context handle without the guard that Windows' own headers define
        # with it, so the backend would declare it again.
        target_compile_definitions(kadenzo_imgui_win32_dx11 PRIVATE
            IMGUI_IMPL_WIN32_DISABLE_GAMEPAD _DPI_AWARENESS_CONTEXTS_)
        target_link_libraries(kadenzo_imgui_win32_dx11 PUBLIC d3d11 d3dcompiler)
    endif()
else()
    find_package(glfw3 3.3 CONFIG QUIET)
    if(glfw3_FOUND)
        # The OpenGL 3 backend loads OpenGL's functions through gl3w, which opens libGL.so.1 at run time.
        enable_language(C)
        set(gl3w_dir ${imgui_backends_dir}/libs/gl3w)
        kadenzo_imgui_backend(kadenzo_imgui_glfw_opengl3 SOURCES
            ${imgui_backends_dir}/imgui_impl_glfw.cpp ${imgui_backends_dir}/imgui_impl_opengl3.cpp
            ${gl3w_dir}/GL/gl3w.c)
        if(TARGET kadenzo_imgui_glfw_opengl3)
            target_include_directories(kadenzo_imgui_glfw_opengl3 SYSTEM PUBLIC ${gl3w_dir})
            target_compile_definitions(kadenzo_imgui_glfw_opengl3 PUBLIC IMGUI_IMPL_OPENGL_LOADER_GL3W)
            target_link_libraries(kadenzo_imgui_glfw_opengl3 PUBLIC glfw ${CMAKE_DL_LIBS})
        endif()
    endif()
endif()
