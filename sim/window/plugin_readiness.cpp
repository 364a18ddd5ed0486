// What keeps the plugin from doing anything, and what to do about it.
#include "window/plugin_readiness.h"

#include "settings_table.h"

namespace kadenzo::sim {

PluginReadiness readPluginReadiness(const Simulator& simulator) {
    PluginReadiness readiness;
    const halvex::host::ConsoleVariable* enabled =
        simulator.host.variables().find(setting::slowMoEnabled.name);
    readiness.loaded = simulator.plugin != nullptr && enabled != nullptr;
    readiness.enabled = readiness.loaded && enabled->floatValue() != 0.0f;
    readiness.inTraining = simulator.game.inCustomTraining();
    return readiness;
}

std::vector<std::string> readinessHints(const PluginReadiness& readiness) {
    std::vector<std::string> hints;
    if (!readiness.loaded)
        hints.emplace_back("No plugin is loaded: type plugin load in the console");
    else if (!readiness.enabled)
        hints.emplace_back("The plugin is disabled: tick Enable plugin in Settings > Kadenzo");
    if (!readiness.inTraining) hints.emplace_back("The game is not in custom training: press Load round");
    return hints;
}

} // namespace kadenzo::sim
