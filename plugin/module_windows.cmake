# Kadenzo.dll: the version resource and manifest, from the project's version.
set(kadenzo_manifest ${PROJECT_SOURCE_DIR}/resources/Kadenzo.manifest)
configure_file(${PROJECT_SOURCE_DIR}/resources/Kadenzo.rc.in ${CMAKE_CURRENT_BINARY_DIR}/generated/Kadenzo.rc @ONLY)
target_sources(Kadenzo PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated/Kadenzo.rc)
set_property(TARGET Kadenzo APPEND PROPERTY LINK_DEPENDS ${kadenzo_manifest})
if(MSVC)
    # The resource script holds the manifest; the linker must not add one of its own.
    target_link_options(Kadenzo PRIVATE /MANIFEST:NO)
endif()
