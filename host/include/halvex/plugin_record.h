// The description record every plugin module exports as the data symbol "exports", and the two
// exported functions it points at. The host reads the record right after loading the module.
#pragma once

#include <cstddef>
#include <cstdint>

namespace halvex {

// Version of this record and of the plugin interface that the host understands.
constexpr std::int32_t pluginApiVersion = 95;

extern "C" {

typedef std::uintptr_t (*GetPluginFunction)(); // address of a std::shared_ptr whose pointer is the plugin
typedef void (*DeleteMeFunction)();            // releases the module's reference to the plugin

// 64 bytes on x86-64, little-endian. The padding fields are written as zero.
struct PluginRecord {
    std::int32_t apiVersion;   // pluginApiVersion
    std::int32_t padding0;     // 0
    const char* fileName;      // path of the plugin's main source file as its build saw it
    const char* className;     // the plugin class's name
    const char* pluginName;    // a human-readable title
    const char* pluginVersion; // dotted version text
    std::int32_t pluginType;   // the plugin's kind, interpreted by the host
    std::int32_t padding1;     // 0
    GetPluginFunction getPlugin;
    DeleteMeFunction deleteMe;
};
}

static_assert(sizeof(void*) == 8, "plugin modules are 64-bit");
static_assert(sizeof(PluginRecord) == 64, "the record is 64 bytes");
static_assert(offsetof(PluginRecord, apiVersion) == 0 && offsetof(PluginRecord, fileName) == 8 &&
                  offsetof(PluginRecord, className) == 16 && offsetof(PluginRecord, pluginName) == 24 &&
                  offsetof(PluginRecord, pluginVersion) == 32 && offsetof(PluginRecord, pluginType) == 40 &&
                  offsetof(PluginRecord, getPlugin) == 48 && offsetof(PluginRecord, deleteMe) == 56,
              "field offsets are part of the host interface");

} // namespace halvex
