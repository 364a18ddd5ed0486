// Builds without a window system library: `kadenzo-sim window` says it is not available here.
#include "window/desktop_window.h"

namespace kadenzo::sim {

bool desktopWindowsAvailable() {
    return false;
}

std::unique_ptr<DesktopWindow> openDesktopWindow(const std::string&, int, int, ImGuiContext*,
                                                 std::string& error) {
    error = "not available on this platform";
    return nullptr;
}

} // namespace kadenzo::sim
