// kadenzo-sim: loads the plugin module as the host does and runs console commands, a play session or
// a desktop window.
#include "console.h"
#include "dynamic_library.h"
#include "platform/terminal.h"
#include "play_session.h"
#include "usage.h"
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

int runConsoleCommand(const std::vector<std::string>& arguments, const std::string& defaultPluginPath) {
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

    Simulator simulator;
    simulator.defaultPluginPath = defaultPluginPath;
    simulator.host.setTraceSink([](const std::string& line) { std::cout << line << '\n'; });
    simulator.host.setTracing(options.trace);
    try {
        loadPlugin(simulator, options.pluginPath);
    } catch (const ConsoleError& error) {
        std::cerr << "kadenzo-sim: " << error.what() << std::endl;
        return 2;
    }
    Console console(simulator, std::cout);
    ScriptReader reader(fromStandardInput ? stdin : script.get(),
                        fromStandardInput ? "<stdin>" : options.scriptPath);
    return runConsole(console, reader, fromStandardInput && kadenzo::platform::standardInputIsTerminal(),
                      std::cout, std::cerr);
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

int run(const std::vector<std::string>& arguments) {
    const std::string defaultPluginPath = executableDirectory() + "/" + pluginModuleFileName();
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "play")
        return runPlay(std::vector<std::string>(arguments.begin() + 1, arguments.end()), defaultPluginPath,
                       std::cout, std::cerr);
    if (!arguments.empty() && arguments[0] == "window")
        return runWindow(std::vector<std::string>(arguments.begin() + 1, arguments.end()), defaultPluginPath,
                         std::cout, std::cerr);
    for (const std::string& argument : arguments)
        if (argument == "--help" || argument == "-h") {
            std::cout << commandLineHelp();
            return 0;
        }
    return runConsoleCommand(arguments, defaultPluginPath);
}

} // namespace

int main(int argc, char** argv) {
    return withOutputChecked(run(std::vector<std::string>(argv + 1, argv + argc)));
}
