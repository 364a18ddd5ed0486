# The plugin: its code linked straight into kadenzo_tests and driven through our host state, and the
# built module's exports checked as the host finds them.

add_executable(kadenzo_tests
    allocation_failure.cpp
    coach_test.cpp
    host_abi_test.cpp
    host_sdk_test.cpp
    number_text_test.cpp
    plugin_module_test.cpp
    plugin_windows_test.cpp
    status_overlay_test.cpp
)
# The host's interface links in beside the plugin's code, so both share one copy of Dear ImGui here.
target_link_libraries(kadenzo_tests PRIVATE kadenzo_plugin_objects kadenzo_plugin_loader kadenzo_game kadenzo_host_ui pluginsdk ${gtest_main})
target_compile_definitions(kadenzo_tests PRIVATE HOST_ABI_SUITE=HostAbiOnThePluginSide)
gtest_discover_tests(kadenzo_tests DISCOVERY_TIMEOUT 60)

if(WIN32)
    # Where bash and LLVM's readobj are at hand (the cross build's machine always has them).
    find_program(KADENZO_BASH bash)
    find_program(KADENZO_LLVM_READOBJ NAMES llvm-readobj-16 llvm-readobj)
    if(KADENZO_BASH AND KADENZO_LLVM_READOBJ)
        add_test(NAME module.windows_exports_and_resources
            COMMAND ${KADENZO_BASH} ${CMAKE_SOURCE_DIR}/scripts/check-windows-module.sh $<TARGET_FILE:Kadenzo>
                ${PROJECT_VERSION})
        set_tests_properties(module.windows_exports_and_resources PROPERTIES
            ENVIRONMENT "LLVM_READOBJ=${KADENZO_LLVM_READOBJ}")
    else()
        message(STATUS "No bash or llvm-readobj: the DLL check is left out")
    endif()
else()
    add_test(NAME module.linux_exports
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check_linux_exports.sh $<TARGET_FILE:Kadenzo>)
endif()
