// Export attributes of the two libraries that make up the host boundary:
// pluginsdk (the host's implementation of the SDK) and the plugin module, which compiles the
// host's plugin base class into itself and exports its members.
#pragma once

#if defined(_WIN32)
#if defined(HALVEX_SDK_BUILDING)
#define HALVEX_SDK_API __declspec(dllexport)
#else
#define HALVEX_SDK_API __declspec(dllimport)
#endif
#if defined(HALVEX_PLUGIN_BUILDING)
#define HALVEX_PLUGIN_API __declspec(dllexport)
#else
#define HALVEX_PLUGIN_API
#endif
#else
#define HALVEX_SDK_API __attribute__((visibility("default")))
#define HALVEX_PLUGIN_API __attribute__((visibility("default")))
#endif
