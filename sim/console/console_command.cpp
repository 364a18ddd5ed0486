// The console command, `kadenzo-sim [--plugin PATH] [--trace] [--] [SCRIPT]`: its options, its help, and a
// run of console lines from a script, piped input or a person at the terminal.
#include "console/console_command.h"

#include "command_line.h"
#include "console/console.h"
#include "console/console_completion.h"
#include "console/console_history.h"
#include "console/line_editor.h"
#include "console/persisted_settings.h"
#include "console/script_reader.h"
#include "output/kept_files.h"
#include "output/run_files.h"
#include "platform/process_ending.h"
#include "platform/requests_to_end.h"
#include "platform/terminal.h"
#include "platform/terminal_text.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

namespace kadenzo::sim {

namespace {

constexpr const char* scriptWhat = "the script being run";

// The status of a run a signal asked to end, as a shell reports a process that signal ended.
int requestedEndingStatus(int signalNumber) {
    return 128 + signalNumber;
}

struct ConsoleOptions {
    std::string pluginPath;
    bool trace = false;
    std::string scriptPath;
};

// The arguments after --config was taken out: options, each given once (GivenOptions), and SCRIPT.
// Throws ConsoleError.
ConsoleOptions parseConsoleOptions(const std::vector<std::string>& arguments,
                                   const std::string& defaultPluginPath) {
    ConsoleOptions options;
    options.pluginPath = defaultPluginPath;
    GivenOptions given;
    bool scriptGiven = false;
    CommandLine line(arguments);
    while (!line.atEnd()) {
        const CommandArgument argument = line.next();
        if (!argument.isOption) {
            if (scriptGiven) throw ConsoleError("only one script can be given");
            scriptGiven = true;
            options.scriptPath = argument.name;
        } else if (argument.name == "--plugin") {
            given.note(argument.name);
            options.pluginPath = line.valueOf(argument, "a path");
        } else if (argument.name == "--trace") {
            given.note(argument.name);
            CommandLine::refuseValue(argument);
            options.trace = true;
        } else {
            throw ConsoleError("unknown option \"" + argument.name + "\"");
        }
    }
    return options;
}

// Lines typed at the terminal, with the history kept in HISTORY and completion from the console's words
// and the variables the host has at that moment.
std::unique_ptr<LineSource> terminalLines(Simulator& simulator, ConsoleHistory& history) {
    LineEditing editing;
    editing.history = history.lines();
    editing.complete = [&simulator](const std::string& beforeCursor) {
        std::vector<std::string> variableNames;
        for (const halvex::host::ConsoleVariable* variable : simulator.host.variables().all())
            variableNames.push_back(variable->name());
        return completeConsoleWord(beforeCursor, variableNames);
    };
    return std::make_unique<RecordedLines>(openTerminalInput(std::move(editing), std::cout), history);
}

} // namespace

int runConsoleCommand(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
                      const std::string& configPath) {
    ConsoleOptions options;
    try {
        options = parseConsoleOptions(arguments, defaultPluginPath);
    } catch (const ConsoleError& error) {
        return reportUsageError(std::cerr, error.what());
    }

    const bool fromStandardInput = options.scriptPath.empty() || options.scriptPath == "-";
    output::declareInput(options.pluginPath, pluginModuleWhat);
    if (!fromStandardInput) output::declareInput(options.scriptPath, scriptWhat);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> script(
        fromStandardInput ? nullptr : std::fopen(options.scriptPath.c_str(), "rb"), &std::fclose);
    if (!fromStandardInput && !script)
        return reportUsageError(std::cerr,
                                "cannot open script " + options.scriptPath + ": " + std::strerror(errno));
    const bool interactive = fromStandardInput && platform::standardInputIsTerminal();

    Simulator simulator;
    simulator.defaultPluginPath = defaultPluginPath;
    simulator.host.setTraceSink(
        [](const std::string& line) { std::cout << platform::terminalText(line) << '\n'; });
    simulator.host.setTracing(options.trace);
    PersistedSettings settings;
    ConsoleHistory history;
    try {
        settings = PersistedSettings::read(configPath, simulator.host, std::cerr);
        // Only a person leaves a history; scripts and pipes never touch it.
        if (interactive) history = ConsoleHistory::read(settings.historyPath());
    } catch (const KeptFileError& error) {
        std::cerr << "kadenzo-sim: " << platform::terminalText(error.what()) << std::endl;
        return 2;
    }

    // At a terminal Ctrl+C, SIGTERM and SIGHUP are held from before the plugin loads until what the run
    // keeps is written, so that they never end the run halfway (platform/requests_to_end.h).
    std::optional<platform::RequestHolding> heldRequests;
    if (interactive) heldRequests.emplace();

    int status = 0;
    try {
        loadPlugin(simulator, options.pluginPath);
    } catch (const ConsoleError& error) {
        std::cerr << "kadenzo-sim: " << platform::terminalText(error.what()) << std::endl;
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
    status = history.writeAtExit(status, std::cerr);
    if (const int signalNumber = platform::heldEndingSignal()) return requestedEndingStatus(signalNumber);
    return status;
}

std::string consoleCommandHelp(const std::string& commandsUsage, const std::string& commandsSummary) {
    return fmt::format(R"(kadenzo-sim: a simulated Halvex host for the Kadenzo plugin.

Usage:
  kadenzo-sim [--plugin PATH] [--trace] [--config FILE] [--] [SCRIPT]
{commandsUsage}  kadenzo-sim --help
  kadenzo-sim [COMMAND] --version

Loads the plugin module (default: Kadenzo.so or Kadenzo.dll beside kadenzo-sim), checks its
description record, hands it the host's console and game, calls onLoad, and then runs console
commands from SCRIPT, or from standard input when no SCRIPT is given. Before loading, the module
must be a regular file and a complete module of the platform's format (a 64-bit x86 ELF shared
object, or a 64-bit x86 DLL on Windows). When the input ends the plugin is unloaded.
{commandsSummary}
Options:
  --plugin PATH   load this plugin module instead of the one built beside kadenzo-sim
  --trace         print every host call the plugin makes from the start (as "trace on")
  --config FILE   keep the console variables in FILE from one run to the next (below)
  --help          show this text
  --version       show kadenzo-sim's version and the releases of Dear ImGui and {{fmt}} it was built
                  with (also after a command word: kadenzo-sim play --version)
Every command reads its options alike: a value follows its option as --name VALUE or --name=VALUE
(--seed 3, --seed=3) and is never empty (--seed= is refused as a missing value is), and an option
that takes no value refuses one (--trace=1). "--" ends the options: every argument after it is an
operand, such as a SCRIPT or MODULE whose name starts with '-'. Every command takes each option
once, unless its help says that the option repeats (play's --set, validate's --include and
--exclude); an option given twice is refused with status 2. A first argument that is no option,
no command and no file (and has no folder in it) is refused as an unknown command, status 2.

In a script (or piped input) the first error prints FILE:LINE: message on standard error and
ends the run with status 2. Typed at a terminal, errors are printed and the console goes on.
A script that cannot be read, or a line longer than {longestLine} bytes in a script, is an error too.
A plugin entry point that fails (throws, or getPlugin returning nothing) is reported naming the
module and the entry point, and the plugin is unloaded all the same; at the end of the input that
prints FILE: at exit: message and makes the status 2.
Command output and trace lines go to standard output, errors to standard error. When standard
output cannot be written (a full disk, a closed stream), the run ends with status 1 and says so.
Every command of kadenzo-sim exits with status
{unchosenEnding};
nothing more is written then (no settings, no history).

Typed at a terminal, lines are edited as in a shell (the arrow keys, Ctrl+A, Ctrl+E, ...), the up
and down arrows recall earlier lines, and TAB completes command and variable names and, after
"event", game functions, or lists the choices when nothing more is certain. With --config FILE
the lines typed are kept in FILE.history (the last {historyLines}) for the next run, otherwise for
this run only. Scripts and piped input are read as they always were and leave no history. On
Windows the console's own line editing serves.

Leaving (see "quit" and Ctrl+C at the end of this text): at a terminal SIGTERM and SIGHUP end
the session as "quit" does, settings and history written, with status 128 + the signal's number
(143, 129); a second one while the first is handled (a plugin that hangs) ends the process at
once without writing them. In scripts and piped input, Ctrl+C and those signals end the run at
once without writing them.

Settings (--config FILE, for the console, play and window): FILE is read before the plugin loads and
written again at exit. A line is NAME VALUE, a console variable and a number; blank lines and
'#' comments may stand between. A file with any other line (one or three words, a NUL or other
control byte, a binary file, a script) is no settings file: the run ends with status 2 before
anything runs, printing FILE:LINE: cause for its first such line, and FILE is left as it is. A
variable the plugin registers takes the file's value, clamped to its range; the value of a
variable no plugin registers is kept. A value a variable refuses prints FILE:LINE: message on
standard error and is skipped: the rest loads and the exit status does not change. At exit FILE
is read again and written with only what this run changed (a variable whose value differs from
the one it started with); every other variable keeps the value FILE holds then. So runs sharing
FILE at the same time keep each other's changes; they take turns under a lock on it. FILE holds
every variable, sorted by name, after a comment line saying what wrote it; comments are dropped.
A missing FILE is created at exit. "--config -" is refused: settings are a file, which standard
input and output cannot be. A FILE that could not be written at exit (a folder, a symbolic link,
a device, a FIFO, a read-only file, a folder without write permission or missing), that is
another file of the run (the module, the script, kadenzo-sim, an output), that cannot be read or
that is larger than {largestKeptMiB} MiB ends the run with status 2 before anything runs; so does such a
FILE.history at a terminal, which gets the lines typed in this run added to what it holds at
exit, the oldest dropped so that it stays within that size. Settings that would be larger are
not written. Failing to write either at exit prints "kadenzo-sim: cannot write settings FILE:
cause" (or history) and makes the status {notWritten} if it would have been 0.

Files written (screenshots, pictures, the CSV of play, the reports of validate, settings) are
never written over a file the run reads (the plugin module, the script, kadenzo-sim itself, the
settings and history files) or over another file it writes, however the two are spelled;
"cannot write FILE: it is the same file as OTHER, what it is" says which.

)",
                       fmt::arg("commandsUsage", commandsUsage), fmt::arg("commandsSummary", commandsSummary),
                       fmt::arg("longestLine", ScriptReader::longestLine),
                       fmt::arg("historyLines", ConsoleHistory::mostLines),
                       fmt::arg("largestKeptMiB", largestKeptFile / (1024 * 1024)),
                       fmt::arg("notWritten", keptFileNotWritten),
                       fmt::arg("unchosenEnding", platform::unchosenEndingHelp)) +
           consoleHelp();
}

} // namespace kadenzo::sim
