// Numbers as the study writes them for people, in its table and its messages.
#pragma once

#include <string>

namespace kadenzo::study {

// A whole number of at least 0 with a comma between each three digits: "310,000", "1,000".
std::string groupedDigits(double whole);

} // namespace kadenzo::study
