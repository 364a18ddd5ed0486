// validate_tests' main: the GoogleTest suites, or, started by the runner with --run-check, the process of
// one of the fake checks (fake_checks.h).
#include "fake_checks.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--run-check")
        return kadenzo::validate::runValidate(std::vector<std::string>(argv + 1, argv + argc),
                                              kadenzo::validate::test::fakeSetup(), std::cout, std::cerr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
