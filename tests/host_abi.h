// The object layouts the host's binary interface relies on, checked where this header is compiled:
// in the plugin's test program (with the plugin's code) and in the simulated host's. The sizes of the
// library types are those of Visual C++'s x64 release runtime, the host's; other ABIs (Linux) differ,
// so only a build with that ABI asserts them.
#pragma once

#include "halvex/plugin.h"
#include "halvex/plugin_record.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace host_abi {

#if defined(_MSC_VER) && defined(_WIN64) && defined(_MSVC_STL_VERSION)
inline constexpr bool hostLibraryLayouts = true;
static_assert(sizeof(std::shared_ptr<int>) == 16, "std::shared_ptr as the host passes it");
static_assert(sizeof(std::string) == 32, "std::string as the host passes it");
static_assert(sizeof(std::function<void()>) == 64, "std::function as the host passes it");
#if _ITERATOR_DEBUG_LEVEL != 0
#error "the host uses the release runtime's layouts (_ITERATOR_DEBUG_LEVEL 0)"
#endif
#else
inline constexpr bool hostLibraryLayouts = false;
#endif

// HalvexPlugin: its virtual table pointer, then cvarManager, then gameWrapper.
inline constexpr std::size_t cvarManagerOffset = sizeof(void*);
inline constexpr std::size_t gameWrapperOffset = sizeof(void*) + sizeof(std::shared_ptr<int>);
static_assert(sizeof(Halvex::Plugin::HalvexPlugin) == sizeof(void*) + 2 * sizeof(std::shared_ptr<int>),
              "HalvexPlugin is a virtual table pointer and two shared_ptrs");
// Each window interface is a virtual table pointer and nothing else.
static_assert(sizeof(Halvex::Plugin::PluginSettingsWindow) == sizeof(void*), "PluginSettingsWindow");
static_assert(sizeof(Halvex::Plugin::PluginWindow) == sizeof(void*), "PluginWindow");

// The record: 64 bytes, the offsets of its fields (also asserted where it is declared).
static_assert(sizeof(halvex::PluginRecord) == 64, "the record is 64 bytes");
static_assert(
    offsetof(halvex::PluginRecord, apiVersion) == 0 && offsetof(halvex::PluginRecord, padding0) == 4 &&
        offsetof(halvex::PluginRecord, fileName) == 8 && offsetof(halvex::PluginRecord, className) == 16 &&
        offsetof(halvex::PluginRecord, pluginName) == 24 &&
        offsetof(halvex::PluginRecord, pluginVersion) == 32 &&
        offsetof(halvex::PluginRecord, pluginType) == 40 && offsetof(halvex::PluginRecord, padding1) == 44 &&
        offsetof(halvex::PluginRecord, getPlugin) == 48 && offsetof(halvex::PluginRecord, deleteMe) == 56,
    "the record's field offsets");

} // namespace host_abi
