// The faults of the small plugin that the validator must catch (broken_plugin.cpp). That source is
// compiled once; each module, validate-broken-FAULT, links it with a one-line source of its own that
// defines brokenFault (written by tests/validate/CMakeLists.txt).
#pragma once

enum class Fault {
    none,
    wrongRecordInteger,    // the record's pluginType is 3 and the padding after it is not zero
    nullGetPlugin,         // the record's getPlugin is null
    newObjectEachCall,     // getPlugin makes another object every time
    deleteMeKeepsObject,   // deleteMe leaves the object in the handle
    missingVariable,       // onLoad leaves out one registration
    wrongDefault,          // one variable's default differs
    floatCellForInt,       // the integer settings bound to float cells
    armsTwice,             // LoadRound while armed registers the pack again
    hookLeftAfterOnUnload, // onUnload leaves Explode hooked
    keepsDrawable,         // onUnload leaves the drawable registered
    wrongMenuTitle,        // the window's title is not the plugin's name
    crashInDrawable,       // the drawable writes through a null pointer
    hangInOnLoad,          // onLoad never returns
    hostCallFromThread,    // onLoad calls the host from a thread of its own
    exitInDrawable,        // the drawable ends the process with exit(0)
    forksInGetPlugin,      // getPlugin forks a process that stays, holding every descriptor (POSIX)
    forgesResult,          // getPlugin writes a pass to every descriptor and exits with status 0
    floodsOutput,          // onLoad writes 100 MB to standard output and standard error
};

// The fault of this module; constant-initialised, so it is set before any code of the module runs.
extern const Fault brokenFault;
