// The system's side of loading plugin modules. The build compiles one implementation:
// modules_posix.cpp (dlopen, ELF) or modules_windows.cpp (LoadLibrary, PE).
#pragma once

#include "loader/module_format_check.h"

#include <string>

namespace kadenzo::sim {

// The format of the modules this platform's loader takes.
ModuleFormat nativeModuleFormat();

// Hands the module at PATH to the system's loader and returns its handle; throws ModuleRefusal with
// the loader's reason.
void* loadModule(const std::string& path);
void unloadModule(void* handle);
// The address of an exported symbol, or null.
void* moduleSymbol(void* handle, const char* name);

// Folder of the running executable, where the plugin module is built beside it.
std::string executableDirectory();

// File name of the plugin module on this platform.
const char* pluginModuleFileName();

} // namespace kadenzo::sim
