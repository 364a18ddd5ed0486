// The message of an error a test expects, so that tests compare messages instead of catching by hand.
#pragma once

#include <string>

// The message of the ERROR that ACTION throws, or "" when it throws none. Other exceptions pass through
// and fail the test.
template <typename Error, typename Action> std::string messageOf(Action&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}
