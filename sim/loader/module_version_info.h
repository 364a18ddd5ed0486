// The version resource strings of a module file, for `inspect` on Windows.
#pragma once

#include <string>
#include <vector>

namespace kadenzo::sim {

struct VersionString {
    std::string name;
    std::string value;
};

// FileVersion, ProductVersion, InternalName and OriginalFilename of each translation the module has.
// False with a reason when the module has none, or on platforms without version resources.
bool readVersionStrings(const std::string& modulePath, std::vector<VersionString>& strings,
                        std::string& error);

} // namespace kadenzo::sim
