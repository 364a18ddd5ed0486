# Kadenzo.dll: the version resource and manifest, from the project's version.
set(kadenzo_manifest ${PROJECT_SOURCE_DIR}/resources/Kadenzo.manifest)
configure_file(${PROJECT_SOURCE_DIR}/resources/Kadenzo.rc.in ${CMAKE_CURRENT_BINARY_DIR}/generated/Kadenzo.rc @ONLY)
target_sources(Kadenzo PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated/Kadenzo.rc)
set_property(TARGET Kadenzo APPEND PROPERTY LINK_DEPENDS ${kadenzo_manifest})
if(MSVC)
    # The resource script holds the manifest; the linker must not add one of its own.
    target_link_options(Kadenzo PRIVATE /MANIFEST:NO)
endif()

# The release package for players (cmake/package_zip.cmake): `cmake --build --preset windows --target
# kadenzo_package`, which scripts/package.sh runs, writes dist/Kadenzo-VERSION-windows-x64.zip.
set(kadenzo_package_zip ${PROJECT_SOURCE_DIR}/dist/Kadenzo-${PROJECT_VERSION}-windows-x64.zip)
add_custom_target(kadenzo_package
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
    COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:Kadenzo> -DVERSION=${PROJECT_VERSION}
            -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUTPUT=${kadenzo_package_zip}
            -P ${PROJECT_SOURCE_DIR}/cmake/package_zip.cmake
    DEPENDS Kadenzo
    VERBATIM)
