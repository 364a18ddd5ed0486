// kadenzo-sim: loads the plugin module as the host does and runs console commands, a play session or
// a desktop window, or validates a plugin module.
#include "console.h"
#include "console_completion.h"
#include "console_history.h"
#include "dynamic_library.h"
#include "host_interface.h"
#include "kept_files.h"
#include "persisted_settings.h"
#include "platform/line_editor.h"
#include "platform/terminal.h"
#include "play_session.h"
#include "usage.h"
#include "validate_command.h"
#include "window_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;

struct ConsoleOptions {
    std::string pluginPath;
    bool trace = false;
    std::string scriptPath;
};

int usageError(const std::string& message) {
    std::cerr << "kadenzo-sim: " << message << "\n(see kadenzo-sim --help)" << std::endl;
    return 2;
}

// Lines typed at the terminal, with the history kept in HISTORY and completion from the console's words
// and the variables the host has at that moment.
std::unique_ptr<LineSource> terminalLines(Simulator& simulator, ConsoleHistory& history) {
    kadenzo::platform::LineEditing editing;
    editing.history = history.lines();
    editing.complete = [&simulator](const std::string& beforeCursor) {
        std::vector<std::string> variableNames;
        for (const halvex::host::ConsoleVariable* variable : simulator.host.variables().all())
            variableNames.push_back(variable->name());
        return completeConsoleWord(beforeCursor, variableNames);
    };
    return std::make_unique<RecordedLines>(
        kadenzo::platform::openTerminalInput(std::move(editing), std::cout), history);
}

int runConsoleCommand(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
                      const std::string& configPath) {
    ConsoleOptions options;
    options.pluginPath = defaultPluginPath;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--plugin") {
            if (index + 1 >= arguments.size()) return usageError("--plugin needs a path");
            options.pluginPath = arguments[++index];
        } else if (argument == "--trace") {
            options.trace = true;
        } else if (argument.rfind("-", 0) == 0 && argument != "-") {
            return usageError("unknown option \"" + argument + "\"");
        } else if (options.scriptPath.empty()) {
            options.scriptPath = argument;
        } else {
            return usageError("only one script can be given");
        }
    }

    const bool fromStandardInput = options.scriptPath.empty() || options.scriptPath == "-";
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> script(
        fromStandardInput ? nullptr : std::fopen(options.scriptPath.c_str(), "rb"), &std::fclose);
    if (!fromStandardInput && !script)
        return usageError("cannot open script " + options.scriptPath + ": " + std::strerror(errno));
    const bool interactive = fromStandardInput && kadenzo::platform::standardInputIsTerminal();

    Simulator simulator;
    simulator.defaultPluginPath = defaultPluginPath;
    simulator.host.setTraceSink([](const std::string& line) { std::cout << line << '\n'; });
    simulator.host.setTracing(options.trace);
    PersistedSettings settings;
    ConsoleHistory history;
    try {
        settings = PersistedSettings::read(configPath, simulator.host, std::cerr);
        // Only a person leaves a history; scripts and pipes never touch it.
        if (interactive) history = ConsoleHistory::read(settings.historyPath());
    } catch (const KeptFileError& error) {
        std::cerr << "kadenzo-sim: " << error.what() << std::endl;
        return 2;
    }

    int status = 0;
    try {
        loadPlugin(simulator, options.pluginPath);
    } catch (const ConsoleError& error) {
        std::cerr << "kadenzo-sim: " << error.what() << std::endl;
        status = 2;
    }
    if (status == 0) {
        Console console(simulator, std::cout);
        const std::unique_ptr<LineSource> lines =
            interactive ? terminalLines(simulator, history)
                        : std::make_unique<ScriptReader>(fromStandardInput ? stdin : script.get(),
                                                         fromStandardInput ? "<stdin>" : options.scriptPath);
        status = runConsole(console, *lines, interactive, std::cout, std::cerr);
    }
    std::cout << std::flush;
    status = settings.writeAtExit(simulator.host, status, std::cerr);
    return history.writeAtExit(status, std::cerr);
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

int run(std::vector<std::string> arguments) {
    const std::string defaultPluginPath = executableDirectory() + "/" + pluginModuleFileName();
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--version") {
        if (arguments.size() > 1) return usageError("--version takes no other arguments");
        printVersion();
        return 0;
    }
    // Validation runs each check in a host of its own; no settings are read or kept.
    if (!arguments.empty() && arguments[0] == "validate")
        return kadenzo::validate::runValidate(
            std::vector<std::string>(arguments.begin() + 1, arguments.end()),
            kadenzo::validate::kadenzoSimSetup(defaultPluginPath), std::cout, std::cerr);
    std::string configPath;
    try {
        configPath = takeConfigOption(arguments);
    } catch (const ConsoleError& error) {
        return usageError(error.what());
    }
    if (!arguments.empty() && arguments[0] == "play")
        return runPlay(std::vector<std::string>(arguments.begin() + 1, arguments.end()), defaultPluginPath,
                       std::cout, std::cerr, configPath);
    if (!arguments.empty() && arguments[0] == "window")
        return runWindow(std::vector<std::string>(arguments.begin() + 1, arguments.end()), defaultPluginPath,
                         std::cout, std::cerr, configPath);
    for (const std::string& argument : arguments)
        if (argument == "--help" || argument == "-h") {
            std::cout << commandLineHelp();
            return 0;
        }
    return runConsoleCommand(arguments, defaultPluginPath, configPath);
}

} // namespace

int main(int argc, char** argv) {
    return withOutputChecked(run(std::vector<std::string>(argv + 1, argv + argc)));
}
