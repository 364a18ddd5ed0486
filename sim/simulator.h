// Everything kadenzo-sim simulates around the plugin, and the steps that involve several parts of it:
// loading and unloading the plugin, and rendering one whole frame.
#pragma once

#include "command_words.h"
#include "game/game_simulation.h"
#include "host_ui/host_interface.h"
#include "loader/loaded_plugin.h"
#include "pictures/pictures.h"

#include "host_state.h"

#include <deque>
#include <memory>
#include <string>

namespace kadenzo::sim {

// Declared in the order they are built; the plugin goes first when the simulator is taken down, while
// the host state and the interface it was handed are still there.
struct Simulator {
    Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;
    // Unloads the plugin if one is still loaded; a failure of its entry points there is reported on
    // standard error as "kadenzo-sim: MESSAGE". Rationale: a destructor cannot change the exit status,
    // so programs that can unload first (the console does) report it there instead.
    ~Simulator();

    halvex::host::HostState host;
    GameSimulation game{host};
    HostInterface ui{host};
    std::unique_ptr<LoadedPlugin> plugin;
    PictureWriter pictures;
    std::string defaultPluginPath;
    // Commands the plugin issued through executeCommand, run by the console after the current frame
    // or command, as the host's console queues them.
    std::deque<std::string> pendingCommands;
};

// What messages call the module loadPlugin loads, as an input of the run (output/run_files.h).
inline constexpr const char* pluginModuleWhat = "the plugin module";

// Loads the plugin module and hands it the host's interface; throws ConsoleError when it cannot. The
// module is first declared an input of the run (output::declareInput), which fails when it is the same
// file as one of the run's outputs.
void loadPlugin(Simulator& simulator, const std::string& path);
// Takes the plugin's windows away from the interface, then unloads it. Nothing when none is loaded.
// When one of the plugin's entry points fails, throws ConsoleError naming the module and the entry point
// after the plugin is fully unloaded.
void unloadPlugin(Simulator& simulator);

// One frame: the canvas with every drawable, then the host's interface over it.
void renderFrame(Simulator& simulator);

} // namespace kadenzo::sim
