// The files to remove when the process is asked to end: a fixed table of pointers that a signal
// handler can walk without locks or allocation.
#include "output/removal_on_ending.h"

#include "platform/files.h"
#include "platform/process_ending.h"
#include "platform/requests_to_end.h"

#include <array>
#include <atomic>
#include <stdexcept>

namespace kadenzo::output {

namespace {

using NativeName = const std::filesystem::path::value_type*;

// Far more files than kadenzo-sim ever writes at once.
constexpr std::size_t slotCount = 64;
std::array<std::atomic<NativeName>, slotCount> registered{};
static_assert(std::atomic<NativeName>::is_always_lock_free, "the handler may only read lock-free atomics");

void removeRegisteredFiles() noexcept {
    for (const std::atomic<NativeName>& slot : registered)
        if (const NativeName name = slot.load()) platform::removeFileWhileEnding(name);
}

void installHandlerOnce() {
    static const bool installed = (platform::onRequestToEnd(removeRegisteredFiles),
                                   platform::onUnchosenEnding(removeRegisteredFiles), true);
    static_cast<void>(installed);
}

} // namespace

RemovalOnEnding::RemovalOnEnding(std::filesystem::path path) : path(std::move(path)), slot(slotCount) {
    installHandlerOnce();
    for (std::size_t index = 0; index < slotCount; ++index) {
        NativeName expected = nullptr;
        if (registered[index].compare_exchange_strong(expected, this->path.c_str())) {
            slot = index;
            return;
        }
    }
    throw std::runtime_error("too many files are being written at once");
}

RemovalOnEnding::~RemovalOnEnding() {
    registered[slot].store(nullptr);
}

} // namespace kadenzo::output
