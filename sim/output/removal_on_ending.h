// Temporary files to remove should the process be asked to end (Ctrl+C, SIGTERM), or be ended by the
// plugin (platform/process_ending.h), while they exist.
#pragma once

#include <filesystem>

namespace kadenzo::output {

// Registers PATH for removal while it lives. The first registration installs the handlers (see
// platform::onRequestToEnd and platform::onUnchosenEnding). Throws std::runtime_error when too many
// files are registered at once.
// Rationale: the path is copied once, here, so that the handler only reads memory that exists and
// calls nothing but the system's unlink.
class RemovalOnEnding {
public:
    explicit RemovalOnEnding(std::filesystem::path path);
    ~RemovalOnEnding();
    RemovalOnEnding(const RemovalOnEnding&) = delete;
    RemovalOnEnding& operator=(const RemovalOnEnding&) = delete;

private:
    const std::filesystem::path path;
    std::size_t slot;
};

} // namespace kadenzo::output
