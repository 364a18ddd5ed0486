// The thirteen console variables that configure the coach, each bound to a cell of the plugin.
#pragma once

class Kadenzo;

// Registers the variables of settingsTable in its order and binds each to the plugin's cell of the same
// name.
void registerSettingsVariables(Kadenzo& plugin);
