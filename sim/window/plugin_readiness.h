// What keeps the plugin from doing anything, read as a person reads it from outside the plugin: its
// console variable slowMoEnabled and whether the game is in custom training, never its own state.
#pragma once

#include "simulator.h"

#include <string>
#include <vector>

namespace kadenzo::sim {

struct PluginReadiness {
    bool loaded = false; // its variables are registered with the host
    bool enabled = false;
    bool inTraining = false;
};

PluginReadiness readPluginReadiness(const Simulator& simulator);

// One line for each thing that stops the plugin, in the order to mend them; empty when nothing does.
std::vector<std::string> readinessHints(const PluginReadiness& readiness);

} // namespace kadenzo::sim
