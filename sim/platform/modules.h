// The system's side of loading plugin modules. The build compiles one implementation:
// modules_posix.cpp (dlopen, ELF) or modules_windows.cpp (LoadLibrary, PE).
#pragma once

#include "module_format_check.h"

#include <memory>
#include <string>

namespace kadenzo::platform {

// The format of the modules this platform's loader takes.
sim::ModuleFormat nativeModuleFormat();

// Opens the file at PATH to read its bytes. Refuses anything that is not a regular file once symbolic
// links are followed, without ever waiting: throws ModuleRefusal with the reason.
std::unique_ptr<sim::ByteSource> openModuleFile(const std::string& path);

// Hands the module at PATH to the system's loader and returns its handle; throws ModuleRefusal with
// the loader's reason.
void* loadModule(const std::string& path);
void unloadModule(void* handle);
// The address of an exported symbol, or null.
void* moduleSymbol(void* handle, const char* name);

} // namespace kadenzo::platform
