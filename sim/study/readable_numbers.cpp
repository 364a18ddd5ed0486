// Writing numbers for people.
#include "study/readable_numbers.h"

#include <fmt/format.h>

namespace kadenzo::study {

std::string groupedDigits(double whole) {
    std::string digits = fmt::format("{:.0f}", whole);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

} // namespace kadenzo::study
