# The analysis under kadenzo-sim study on its own: the speed controller's chain, its long run, the drift
# at the limits and the balance point (study_analysis_tests).
add_executable(study_analysis_tests study_analysis_test.cpp)
target_link_libraries(study_analysis_tests PRIVATE kadenzo_study_analysis kadenzo_plugin_facts ${gtest_main})
gtest_discover_tests(study_analysis_tests DISCOVERY_TIMEOUT 60)
