// kadenzo-sim: loads the plugin module as the host does and runs console commands or a play session.
#include "console.h"
#include "dynamic_library.h"
#include "platform/terminal.h"
#include "play_session.h"
#include "usage.h"

#include <fstream>
#include <iostream>
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

    std::ifstream script;
    const bool fromStandardInput = options.scriptPath.empty() || options.scriptPath == "-";
    if (!fromStandardInput) {
        script.open(options.scriptPath);
        if (!script) return usageError("cannot open script " + options.scriptPath);
    }

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
    const int status = fromStandardInput
                           ? runConsole(console, std::cin, "<stdin>",
                                        kadenzo::platform::standardInputIsTerminal(), std::cout, std::cerr)
                           : runConsole(console, script, options.scriptPath, false, std::cout, std::cerr);
    std::cout << std::flush;
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string defaultPluginPath = executableDirectory() + "/" + pluginModuleFileName();
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "play")
        return runPlay(std::vector<std::string>(arguments.begin() + 1, arguments.end()), defaultPluginPath,
                       std::cout, std::cerr);
    for (const std::string& argument : arguments)
        if (argument == "--help" || argument == "-h") {
            std::cout << commandLineHelp();
            return 0;
        }
    return runConsoleCommand(arguments, defaultPluginPath);
}
