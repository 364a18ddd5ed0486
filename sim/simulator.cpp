#include "simulator.h"

#include "output/run_files.h"
#include "platform/terminal_text.h"

#include <fmt/format.h>
#include <iostream>

namespace kadenzo::sim {

Simulator::Simulator() {
    host.setCommandHandler([this](const std::string& command) { pendingCommands.push_back(command); });
    host.contract().setViolationSink([](const std::string& message) {
        std::cerr << "kadenzo-sim: the plugin broke the host's rules: " << platform::terminalText(message)
                  << std::endl;
    });
}

Simulator::~Simulator() {
    try {
        unloadPlugin(*this);
    } catch (const std::exception& failure) {
        std::cerr << "kadenzo-sim: " << platform::terminalText(failure.what()) << std::endl;
    }
}

void loadPlugin(Simulator& simulator, const std::string& path) {
    try {
        output::declareInput(path, pluginModuleWhat);
        simulator.plugin = std::make_unique<LoadedPlugin>(simulator.host, path);
    } catch (const std::runtime_error& failure) {
        throw ConsoleError(failure.what());
    }
    simulator.ui.attach(simulator.plugin->settingsWindow(), simulator.plugin->pluginWindow());
}

void unloadPlugin(Simulator& simulator) {
    if (!simulator.plugin) return;
    simulator.ui.detach();
    const std::optional<std::string> failure = simulator.plugin->unload();
    simulator.plugin.reset();
    // Whatever the plugin asked for is void once it is gone.
    simulator.pendingCommands.clear();
    if (failure) throw ConsoleError(*failure);
}

void renderFrame(Simulator& simulator) {
    simulator.game.renderCanvas();
    simulator.ui.frame(simulator.game.canvasSize());
}

} // namespace kadenzo::sim
