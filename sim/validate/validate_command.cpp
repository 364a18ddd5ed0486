// `kadenzo-sim validate`: options, the module checked up front, the checks run with a line each as they
// finish, the table and summary, and the result files.
//
// Index of this file:
// - Before running: usage errors, the seed, --list
// - Running and reporting
// - The result files
// - runValidate
#include "validate/validate_command.h"

#include "loader/dynamic_library.h"
#include "number_text.h"
#include "output/output_file.h"
#include "platform/child_process.h"
#include "platform/terminal_text.h"
#include "validate/validation_report.h"

#include <fmt/format.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace kadenzo::validate {

namespace {

// ---- Before running: usage errors, the seed, --list --------------------------------------------

int usageError(std::ostream& err, const std::string& message) {
    err << "kadenzo-sim validate: " << platform::terminalText(message)
        << "\n(see kadenzo-sim validate --help)" << std::endl;
    return 2;
}

std::uint64_t drawnSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

void printList(const std::vector<Check>& checks, std::ostream& out) {
    const std::size_t width = longestName(checks);
    for (const Check& check : checks)
        out << fmt::format("{:<{}}  {}\n", check.name, width, check.summary);
}

// ---- Running and reporting ---------------------------------------------------------------------

RunSettings settingsFor(const ValidateOptions& options, const ValidateSetup& setup, std::uint64_t seed) {
    RunSettings settings;
    settings.modulePath = options.modulePath;
    settings.seed = seed;
    settings.timeoutSeconds = options.timeoutSeconds;
    if (!options.inProcess) settings.processCommand = setup.processCommand;
    return settings;
}

std::string headerLine(const std::vector<Check>& checks, const RunSettings& settings) {
    const std::string isolation =
        settings.processCommand
            ? fmt::format("each in a process of its own, at most {} s", shortest(settings.timeoutSeconds))
            : std::string("all in this process, without a time limit");
    return fmt::format("kadenzo-sim validate: {}, {} {}, seed {} ({})\n",
                       platform::terminalText(settings.modulePath), checks.size(),
                       checks.size() == 1 ? "check" : "checks", settings.seed, isolation);
}

std::vector<CheckResult> runAndShow(const std::vector<Check>& checks, const RunSettings& settings,
                                    std::ostream& out) {
    out << headerLine(checks, settings) << std::flush;
    const RunDescription run{settings.modulePath, settings.seed};
    const std::size_t nameWidth = longestName(checks);
    std::size_t finished = 0;
    std::vector<CheckResult> results = runChecks(checks, settings, [&](const CheckResult& result) {
        out << progressLines(result, ++finished, checks.size(), nameWidth, run) << std::flush;
    });
    out << "\n" << resultTable(results) << summaryLine(results) << std::endl;
    return results;
}

// ---- The result files --------------------------------------------------------------------------

// Writes both files that were asked for; false when one could not be written, which ERR then says.
bool writeResultFiles(const ValidateOptions& options, const std::vector<CheckResult>& results,
                      const RunDescription& run, std::ostream& err) {
    struct ResultFile {
        const std::string& path;
        std::string (*text)(const std::vector<CheckResult>&, const RunDescription&);
    };
    bool written = true;
    for (const ResultFile& file :
         {ResultFile{options.junitPath, junitXml}, ResultFile{options.jsonPath, resultsJson}}) {
        if (file.path.empty()) continue;
        try {
            output::OutputFile output(file.path);
            output.write(file.text(results, run));
            output.commit();
        } catch (const output::OutputError& error) {
            err << "kadenzo-sim validate: " << platform::terminalText(error.what()) << std::endl;
            written = false;
        }
    }
    return written;
}

int runCheckProcess(const ValidateOptions& options, const ValidateSetup& setup) {
    const Check& check = checkNamed(setup.checks, *options.runCheck);
    const platform::CheckProcessChannel channel = platform::becomeCheckProcess();
    const std::string token = channel.handed.substr(0, channel.handed.find('\n'));
    return runCheckForParent(check, options.modulePath, options.seed.value_or(0), channel.results, token);
}

} // namespace

// ---- runValidate -------------------------------------------------------------------------------

ValidateSetup kadenzoSimSetup(const std::string& defaultModulePath) {
    return ValidateSetup{allChecks(), CheckProcessCommand{platform::ownExecutablePath(), {"validate"}},
                         defaultModulePath};
}

int runValidate(const std::vector<std::string>& arguments, const ValidateSetup& setup, std::ostream& out,
                std::ostream& err) {
    ValidateOptions options;
    std::vector<Check> checks;
    try {
        options = parseValidateOptions(arguments, setup.defaultModulePath);
        if (options.help) {
            out << validateHelp();
            return 0;
        }
        if (options.runCheck) return runCheckProcess(options, setup);
        checks = selectChecks(setup.checks, options);
    } catch (const UsageError& error) {
        return usageError(err, error.what());
    }
    if (options.list) {
        printList(checks, out);
        return 0;
    }
    // Rationale: only the file is checked here; none of the module's code runs in this process, so that
    // a module that crashes or hangs while loading is one check's result like any other.
    try {
        sim::checkModuleFile(options.modulePath);
    } catch (const std::runtime_error& error) {
        err << "kadenzo-sim validate: " << platform::terminalText(error.what()) << std::endl;
        return 2;
    }

    const RunSettings settings = settingsFor(options, setup, options.seed ? *options.seed : drawnSeed());
    const std::vector<CheckResult> results = runAndShow(checks, settings, out);
    const bool written =
        writeResultFiles(options, results, RunDescription{settings.modulePath, settings.seed}, err);
    const bool allPassed = std::all_of(results.begin(), results.end(), [](const CheckResult& result) {
        return result.outcome == Outcome::pass;
    });
    return allPassed && written ? 0 : 1;
}

} // namespace kadenzo::validate
