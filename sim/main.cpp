// kadenzo-sim: loads the plugin module as the host does and runs console commands, a play session or
// a desktop window, or validates a plugin module. This file only picks the command; each command's
// options, help and code live in its own folder.
#include "command_words.h"
#include "console/console_command.h"
#include "console/persisted_settings.h"
#include "host_ui/host_interface.h"
#include "loader/modules.h"
#include "output/run_files.h"
#include "platform/process_ending.h"
#include "play/play_session.h"
#include "plugin_entry.h"
#include "validate/validate_command.h"
#include "window/window_command.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;

using Arguments = std::vector<std::string>;

// A command named by the first argument. The console runs when none is named.
struct Command {
    const char* name;
    // What follows "kadenzo-sim NAME" in the help's usage lines.
    const char* synopsis;
    // What the help says of it below the usage lines, whole lines; empty for nothing.
    const char* summary;
    // Whether the command keeps the console variables with --config FILE (persisted_settings.h).
    bool keepsSettings;
    // Runs the command with the arguments after its name, --config taken out; returns the exit status.
    int (*run)(const Arguments& arguments, const std::string& defaultPluginPath,
               const std::string& configPath);
};

const Command commands[] = {
    {"play", "[--config FILE] [OPTIONS]", "", true,
     [](const Arguments& arguments, const std::string& defaultPluginPath, const std::string& configPath) {
         return runPlay(arguments, defaultPluginPath, std::cout, std::cerr, configPath);
     }},
    {"window", "[--config FILE] [OPTIONS]", "", true,
     [](const Arguments& arguments, const std::string& defaultPluginPath, const std::string& configPath) {
         return runWindow(arguments, defaultPluginPath, std::cout, std::cerr, configPath);
     }},
    // Validation runs each check in a host of its own; no settings are read or kept.
    {"validate", "[OPTIONS] [MODULE]",
     "validate checks a plugin module against the host's contract, each check in a process of its own,\n"
     "and exits with status 0 only when every check passed.\n",
     false,
     [](const Arguments& arguments, const std::string& defaultPluginPath, const std::string&) {
         return kadenzo::validate::runValidate(
             arguments, kadenzo::validate::kadenzoSimSetup(defaultPluginPath), std::cout, std::cerr);
     }},
};

// The command the first argument names, among those that keep settings or those that do not.
const Command* findCommand(const Arguments& arguments, bool keepsSettings) {
    if (arguments.empty()) return nullptr;
    for (const Command& command : commands)
        if (arguments[0] == command.name && command.keepsSettings == keepsSettings) return &command;
    return nullptr;
}

std::string commandLineHelp() {
    constexpr std::size_t synopsisWidth = 33;
    std::string usage;
    std::string summary;
    for (const Command& command : commands) {
        std::string synopsis = std::string(command.name) + " " + command.synopsis;
        synopsis.resize(std::max(synopsis.size() + 1, synopsisWidth), ' ');
        usage += "  kadenzo-sim " + synopsis + "(see kadenzo-sim " + command.name + " --help)\n";
        summary += command.summary;
    }
    return consoleCommandHelp(usage, summary);
}

// Output that could not be written is a failure like any other: a run whose standard output was lost
// (a full disk, a closed stream) ends with a message and status 1 unless it failed already.
int withOutputChecked(int status) {
    std::cout.flush();
    errno = 0;
    const bool flushFailed = std::fflush(stdout) != 0;
    const int cause = flushFailed ? errno : 0;
    if (!flushFailed && std::cout && !std::ferror(stdout)) return status;
    std::cerr << "kadenzo-sim: cannot write standard output"
              << (cause ? std::string(": ") + std::strerror(cause) : "") << std::endl;
    return status != 0 ? status : 1;
}

// What a person reporting a fault names: this program's version, and the Dear ImGui release that its
// interface and the plugin module of the same build were built with.
void printVersion() {
    std::cout << "kadenzo-sim " << KADENZO_PROJECT_VERSION << '\n'
              << "Dear ImGui " << HostInterface::imguiRelease()
              << " (the host's interface, and the plugin module built with it)\n";
}

bool asksForHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

int runCommand(Arguments arguments) {
    const std::string defaultPluginPath = executableDirectory() + "/" + pluginModuleFileName();
    if (!arguments.empty() && asksForHelp(arguments[0])) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--version") {
        if (arguments.size() > 1) return reportUsageError(std::cerr, "--version takes no other arguments");
        printVersion();
        return 0;
    }
    if (const Command* command = findCommand(arguments, false))
        return command->run(Arguments(arguments.begin() + 1, arguments.end()), defaultPluginPath, "");
    std::string configPath;
    try {
        configPath = takeConfigOption(arguments);
    } catch (const ConsoleError& error) {
        return reportUsageError(std::cerr, error.what());
    }
    if (const Command* command = findCommand(arguments, true))
        return command->run(Arguments(arguments.begin() + 1, arguments.end()), defaultPluginPath, configPath);
    for (const std::string& argument : arguments)
        if (asksForHelp(argument)) {
            std::cout << commandLineHelp();
            return 0;
        }
    return runConsoleCommand(arguments, defaultPluginPath, configPath);
}

// Every command declares the files it reads and writes to the one RunFiles of the run, which keeps
// each output off the run's inputs and its other outputs.
int run(Arguments arguments) {
    try {
        const kadenzo::output::RunFiles files;
        return runCommand(std::move(arguments));
    } catch (const kadenzo::output::OutputError& error) {
        std::cerr << "kadenzo-sim: " << error.what() << std::endl;
        return 2;
    }
}

} // namespace

// Every ending but main's return is one kadenzo-sim did not choose (platform/process_ending.h); the
// check process of validate runs through here too.
int main(int argc, char** argv) {
    kadenzo::platform::guardAgainstUnchosenEndings(&halvex::host::PluginEntry::running);
    const int status = withOutputChecked(run(Arguments(argv + 1, argv + argc)));
    kadenzo::platform::chooseToEnd();
    return status;
}
