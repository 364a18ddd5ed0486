// How a plugin module that fails on purpose fails (broken_module.cpp). That source is compiled once;
// each module, broken-ENTRY_POINT-FAILURE, links it with a one-line source of its own that defines
// brokenModuleFailure (written by tests/console/CMakeLists.txt).
#pragma once

enum class EntryPoint { getPlugin, onLoad, onUnload, deleteMe, drawable };

enum class Failure {
    nullHandle,    // getPlugin returns a null address
    standard,      // throws a std::exception
    foreign,       // throws something that is not a std::exception
    exits,         // ends the process with exit(0)
    quickExits,    // ends the process with quick_exit(0)
    exitsOnThread, // starts a thread that calls exit(0), and waits for it
};

struct BrokenModuleFailure {
    EntryPoint entryPoint;
    Failure failure;

    // Only getPlugin returns a handle, so only it can return a null one.
    constexpr bool possible() const {
        return failure != Failure::nullHandle || entryPoint == EntryPoint::getPlugin;
    }
};

// The failure of this module; constant-initialised, so it is set before any code of the module runs.
extern const BrokenModuleFailure brokenModuleFailure;
