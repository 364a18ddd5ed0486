# kadenzo-sim study as a whole, with the real plugin module: its options and what it refuses, the
# analysis against the plugin played, and the table, CSV and JSON it writes (study_tests).
add_executable(study_tests study_test.cpp)
target_link_libraries(study_tests PRIVATE kadenzo_study ${gtest_main})
add_dependencies(study_tests Kadenzo)
gtest_discover_tests(study_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KADENZO_PLUGIN=$<TARGET_FILE:Kadenzo>")
