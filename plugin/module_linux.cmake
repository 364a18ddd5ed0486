# Kadenzo.so, like a DLL: its own copy of Dear ImGui, and only the host interface exported.
# KADENZO_MODULE_LINK_OPTIONS (compiler_flags_gnu.cmake) asks that every symbol be resolved.
target_link_options(Kadenzo PRIVATE
    -Wl,--exclude-libs,ALL
    ${KADENZO_MODULE_LINK_OPTIONS}
    -Wl,--version-script=${CMAKE_CURRENT_SOURCE_DIR}/Kadenzo.exports)
set_property(TARGET Kadenzo APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Kadenzo.exports)
