// The files this process has loaded: its executable, every library and module the system's loader
// mapped (ours, the system's, a plugin loaded a moment ago), and on Linux any other file mapped into
// its memory (the locale archive). Asked of the system each time, so a module loaded later is there.
// loaded_files_posix.cpp asks the kernel's own map of the process (/proc/self/maps, which gives the
// device and inode of each mapping), loaded_files_windows.cpp the list of loaded modules; the build
// picks one.
#pragma once

#include "platform/files.h"

#include <filesystem>
#include <vector>

namespace kadenzo::platform {

enum class LoadedKind {
    program, // the executable
    library, // a library or module: a file whose code is mapped
    data,    // a file mapped without code (Linux only)
};

struct LoadedFile {
    // As the system names it: absolute. On Linux it may end in " (deleted)" for a file no name leads
    // to any longer.
    std::filesystem::path path;
    FileIdentity identity;
    LoadedKind kind = LoadedKind::library;
};

// Each loaded file once; a file may appear twice under two identities where the system knows it by
// two (see the posix file). Never throws for a file it cannot look at: that one is left out.
std::vector<LoadedFile> loadedFiles();

} // namespace kadenzo::platform
