# Dear ImGui's core compiled from Debian's imgui source package, for builds that cannot use the
# distribution's Linux library. scripts/fetch-imgui-source.sh unpacks it into .deps/.
set(KADENZO_IMGUI_SOURCE_DIR ${CMAKE_SOURCE_DIR}/.deps/imgui-1.86
    CACHE PATH "Dear ImGui 1.86 sources (from Debian's imgui source package)")

if(NOT EXISTS ${KADENZO_IMGUI_SOURCE_DIR}/imgui.cpp)
    message(FATAL_ERROR
        "Dear ImGui sources not found in ${KADENZO_IMGUI_SOURCE_DIR}; "
        "run scripts/fetch-imgui-source.sh or set KADENZO_IMGUI_SOURCE_DIR")
endif()

add_library(imgui_static STATIC
    ${KADENZO_IMGUI_SOURCE_DIR}/imgui.cpp
    ${KADENZO_IMGUI_SOURCE_DIR}/imgui_draw.cpp
    ${KADENZO_IMGUI_SOURCE_DIR}/imgui_tables.cpp
    ${KADENZO_IMGUI_SOURCE_DIR}/imgui_widgets.cpp
)
target_include_directories(imgui_static SYSTEM PUBLIC ${KADENZO_IMGUI_SOURCE_DIR})
# Third-party code: built without our warning policy.
target_compile_options(imgui_static PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})

# Dear ImGui's Win32 and DirectX 11 backends, for kadenzo-sim window on Windows.
if(WIN32)
    add_library(imgui_backends_win32_dx11 STATIC
        ${KADENZO_IMGUI_SOURCE_DIR}/backends/imgui_impl_win32.cpp
        ${KADENZO_IMGUI_SOURCE_DIR}/backends/imgui_impl_dx11.cpp
    )
    target_link_libraries(imgui_backends_win32_dx11 PUBLIC imgui_static d3d11 d3dcompiler gdi32 dwmapi)
    target_compile_options(imgui_backends_win32_dx11 PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})
    # Wine's windef.h declares the DPI awareness context handle without the guard that Windows' own
    # headers define with it, so the backend would declare it again.
    target_compile_definitions(imgui_backends_win32_dx11 PRIVATE _DPI_AWARENESS_CONTEXTS_)
endif()
