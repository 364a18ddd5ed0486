# kadenzo-sim's own code in process: its side of the module boundary (the same layout checks, and on the
# host's ABI the plugin's virtual tables walked as the host walks them), the console, play, validate's
# checks and the window's session, with the real plugin module and the broken ones loaded as modules.

add_executable(kadenzo_sim_tests
    console_words_test.cpp host_abi_test.cpp module_check_test.cpp persisted_settings_test.cpp
    pictures_test.cpp play_test.cpp plugin_failure_test.cpp validate_checks_test.cpp window_session_test.cpp)
target_compile_definitions(kadenzo_sim_tests PRIVATE HOST_ABI_SUITE=HostAbiOnTheHostSide)
if(MSVC)
    target_sources(kadenzo_sim_tests PRIVATE plugin_tables_test.cpp)
endif()
if(NOT WIN32)
    # The console at a terminal runs kadenzo-sim itself through a pseudo-terminal (forkpty).
    target_sources(kadenzo_sim_tests PRIVATE module_path_posix_test.cpp persisted_settings_posix_test.cpp
        console_terminal_posix_test.cpp)
    target_link_libraries(kadenzo_sim_tests PRIVATE util)
    # A plugin that never returns from onLoad, for a run that must still be ended.
    add_dependencies(kadenzo_sim_tests kadenzo-sim validate-broken-hang-in-onload)
endif()
target_link_libraries(kadenzo_sim_tests PRIVATE kadenzo_play kadenzo_validate kadenzo_window kadenzo::imgui kadenzo::stb ${gtest_main})
# The test plugins are found beside the test program, where every module is built.
add_dependencies(kadenzo_sim_tests Kadenzo ${broken_module_targets})
gtest_discover_tests(kadenzo_sim_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KADENZO_PLUGIN=$<TARGET_FILE:Kadenzo>")
