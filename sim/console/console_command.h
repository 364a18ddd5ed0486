// The console command: kadenzo-sim with no command named, running console lines from a script, from
// piped standard input or from a person at the terminal.
#pragma once

#include <string>
#include <vector>

namespace kadenzo::sim {

// Runs the console with ARGUMENTS ([--plugin PATH] [--trace] [SCRIPT], --config already taken out):
// loads the plugin, runs the lines, unloads it, and writes the settings of CONFIGPATH (when not empty)
// and the history at exit. Output on standard output, errors on standard error. Returns the exit status.
int runConsoleCommand(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
                      const std::string& configPath);

// `kadenzo-sim --help`: the console command, its settings and its commands. COMMANDSUSAGE holds the usage
// lines of the other commands and COMMANDSSUMMARY what they do, a sentence or two each.
std::string consoleCommandHelp(const std::string& commandsUsage, const std::string& commandsSummary);

} // namespace kadenzo::sim
