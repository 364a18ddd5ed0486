# Writing files, the text shown of what came from outside, and drawing pictures: kadenzo_output,
# kadenzo_platform's terminal_text and kadenzo_render on their own.

# The one rule for text that reaches the terminal, on every platform.
add_executable(terminal_text_tests terminal_text_test.cpp)
target_link_libraries(terminal_text_tests PRIVATE kadenzo_platform ${gtest_main})
gtest_discover_tests(terminal_text_tests DISCOVERY_TIMEOUT 60)

# Writing files: the portable cases everywhere, links, FIFOs, limits and signals where POSIX has them.
add_executable(output_tests output_file_test.cpp run_files_test.cpp)
if(NOT WIN32)
    target_sources(output_tests PRIVATE output_file_posix_test.cpp)
endif()
target_link_libraries(output_tests PRIVATE kadenzo_output ${gtest_main})
gtest_discover_tests(output_tests DISCOVERY_TIMEOUT 60)

add_executable(render_tests render_test.cpp)
target_link_libraries(render_tests PRIVATE kadenzo_render kadenzo::imgui kadenzo::stb ${gtest_main})
gtest_discover_tests(render_tests DISCOVERY_TIMEOUT 60)
