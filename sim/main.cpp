// kadenzo-sim: loads the plugin module as the host does and runs console commands, a play session or
// a desktop window, or validates a plugin module. This file only picks the command; each command's
// options, help and code live in its own folder.
#include "command_line.h"
#include "command_words.h"
#include "console/console_command.h"
#include "console/persisted_settings.h"
#include "host_ui/host_interface.h"
#include "loader/modules.h"
#include "output/run_files.h"
#include "platform/files.h"
#include "platform/process_ending.h"
#include "platform/terminal_text.h"
#include "play/play_session.h"
#include "plugin_entry.h"
#include "study/study_command.h"
#include "validate/validate_command.h"
#include "window/window_command.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;
namespace platform = kadenzo::platform;

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
    // Each run of a study has a host of its own with the plugin's defaults; no settings are read or kept.
    {"study", "[OPTIONS]",
     "study works out and plays what the coach's settings do to a player, sweeping one setting or skill.\n",
     false,
     [](const Arguments& arguments, const std::string& defaultPluginPath, const std::string&) {
         return kadenzo::study::runStudy(arguments, defaultPluginPath, std::cout, std::cerr);
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

// Output that could not be written is a failure like any other, on either stream and for every
// command, as a file that could not be written is: a run whose standard output or standard error was
// lost (a full disk, a closed stream) ends with status 1 unless it failed already. A lost standard
// output is told on standard error; a lost standard error can tell nothing more.
int withOutputChecked(int status) {
    std::cout.flush();
    errno = 0;
    const bool outputFlushFailed = std::fflush(stdout) != 0;
    const int cause = outputFlushFailed ? errno : 0;
    const bool outputLost = outputFlushFailed || !std::cout || std::ferror(stdout);
    std::cerr.flush();
    const bool errorLost = std::fflush(stderr) != 0 || !std::cerr || std::ferror(stderr);
    if (!outputLost && !errorLost) return status;
    if (outputLost && !errorLost)
        std::cerr << "kadenzo-sim: cannot write standard output"
                  << (cause ? std::string(": ") + std::strerror(cause) : "") << std::endl;
    return status != 0 ? status : 1;
}

// What a person reporting a fault names: this program's version, and the releases of Dear ImGui and
// {fmt} that it and the plugin module of the same build were built with.
void printVersion() {
    std::cout << "kadenzo-sim " << KADENZO_PROJECT_VERSION << '\n'
              << "Dear ImGui " << HostInterface::imguiRelease()
              << " (the host's interface, and the plugin module built with it)\n"
              << "{fmt} " << FMT_VERSION / 10000 << '.' << FMT_VERSION / 100 % 100 << '.' << FMT_VERSION % 100
              << " (text formatting, compiled in from its headers here and in the plugin module)\n";
}

bool isCommandWord(const std::string& argument) {
    return std::any_of(std::begin(commands), std::end(commands),
                       [&argument](const Command& command) { return argument == command.name; });
}

// "--version", alone or after a command word: the status once it is printed or refused; none when the
// arguments do not ask for it.
std::optional<int> answerVersion(const Arguments& arguments) {
    const std::size_t at = !arguments.empty() && isCommandWord(arguments[0]) ? 1 : 0;
    if (arguments.size() <= at) return std::nullopt;
    CommandLine line({arguments[at]});
    if (line.atEnd()) return std::nullopt;
    const CommandArgument argument = line.next();
    if (!argument.isOption || argument.name != "--version") return std::nullopt;
    try {
        CommandLine::refuseValue(argument);
    } catch (const ConsoleError& error) {
        return reportUsageError(std::cerr, error.what());
    }
    if (arguments.size() > at + 1) return reportUsageError(std::cerr, "--version takes no other arguments");
    printVersion();
    return 0;
}

// "play, window, study and validate".
std::string commandNames() {
    std::string names;
    const std::size_t count = std::size(commands);
    for (std::size_t index = 0; index < count; ++index)
        names += (index == 0 ? "" : index + 1 == count ? " and " : ", ") + std::string(commands[index].name);
    return names;
}

// Whether ARGUMENT, standing where a command word would, is no command and no script: no option, no
// name with a folder in it (a script's, which the console says it cannot open), and no file there.
bool isUnknownCommand(const std::string& argument) {
    if (argument.empty() || argument[0] == '-') return false;
    const std::filesystem::path path = std::filesystem::u8path(argument);
    if (path.has_parent_path()) return false;
    try {
        return platform::fileStatus(path, platform::Links::notFollowed).kind == platform::FileKind::absent;
    } catch (const platform::FileSystemError&) {
        return false;
    }
}

int runCommand(Arguments arguments) {
    const std::string defaultPluginPath = executableDirectory() + "/" + pluginModuleFileName();
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (const std::optional<int> status = answerVersion(arguments)) return *status;
    if (const Command* command = findCommand(arguments, false))
        return command->run(Arguments(arguments.begin() + 1, arguments.end()), defaultPluginPath, "");
    std::string configPath;
    try {
        configPath = takeConfigOption(arguments);
        if (const Command* command = findCommand(arguments, true))
            return command->run(Arguments(arguments.begin() + 1, arguments.end()), defaultPluginPath,
                                configPath);
        if (asksForHelp(arguments)) {
            std::cout << commandLineHelp();
            return 0;
        }
        // A command that keeps no settings, after --config.
        if (!arguments.empty() && isCommandWord(arguments[0]))
            throw ConsoleError(
                fmt::format("--config is no option of {}, which keeps no settings", arguments[0]));
    } catch (const ConsoleError& error) {
        return reportUsageError(std::cerr, error.what());
    }
    if (!arguments.empty() && isUnknownCommand(arguments[0])) {
        std::cerr << "kadenzo-sim: unknown command \"" << platform::terminalText(arguments[0])
                  << "\"; the commands are " << commandNames()
                  << " (a script file runs in the console); see kadenzo-sim --help" << std::endl;
        return 2;
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
        std::cerr << "kadenzo-sim: " << platform::terminalText(error.what()) << std::endl;
        return 2;
    }
}

} // namespace

// Every ending but main's return is one kadenzo-sim did not choose (platform/process_ending.h); the
// check process of validate runs through here too.
int main(int argc, char** argv) {
    platform::guardAgainstUnchosenEndings(&halvex::host::PluginEntry::running);
    const int status = withOutputChecked(run(Arguments(argv + 1, argv + argc)));
    platform::chooseToEnd();
    return status;
}
