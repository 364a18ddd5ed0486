// Shared objects carry no version resource; `inspect` prints the plugin's record alone.
#include "loader/module_version_info.h"

namespace kadenzo::sim {

bool readVersionStrings(const std::string&, std::vector<VersionString>&, std::string& error) {
    error = "version resources are read only on Windows";
    return false;
}

} // namespace kadenzo::sim
