// The system's own words for a Windows error code, shared by the Windows files of the platform layer.
#pragma once

#include <string>

namespace kadenzo::platform {

// FormatMessage's text without its closing full stop and line end; "Windows error N" when it has none.
std::string windowsErrorText(unsigned long code);

} // namespace kadenzo::platform
