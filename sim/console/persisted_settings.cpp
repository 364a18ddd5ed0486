// Settings kept across runs (--config FILE): the option, reading the file into the host, the held
// values the plugin's registration refuses, and writing the file at exit.
#include "console/persisted_settings.h"

#include "console/console.h"
#include "output/kept_files.h"

#include <fmt/format.h>

#include <map>
#include <memory>
#include <ostream>

namespace kadenzo::sim {

namespace {

constexpr const char* configOption = "--config";
constexpr const char* settingsWhat = "settings";
constexpr const char* historySuffix = ".history";
constexpr const char* settingsHeading =
    "# Console variables kept by kadenzo-sim between runs (--config), rewritten at exit: NAME VALUE a line\n";

using halvex::host::ConsoleVariable;
using halvex::host::ConsoleVariables;

// Where each name was set last, for the held values refused later, when the plugin registers them.
struct SettingLines {
    std::string path;
    std::map<std::string, int> lineOfName;
};

void warn(std::ostream& warnings, const std::string& path, int line, const std::string& message) {
    warnings << path << ':' << line << ": " << message << std::endl;
}

// One line of the file; throws ConsoleError saying what is wrong with it.
void readSetting(ConsoleVariables& variables, const std::string& line, int number, SettingLines& lines) {
    if (line.size() > ScriptReader::longestLine)
        throw ConsoleError(fmt::format("the line is longer than {} bytes", ScriptReader::longestLine));
    const std::vector<std::string> words = splitWords(line);
    if (words.empty()) return;
    if (words.size() != 2) throw ConsoleError("expected NAME VALUE (one console variable a line)");
    const std::string& name = words[0];
    const std::string& value = words[1];
    if (ConsoleVariable* registered = variables.find(name)) {
        setVariableText(*registered, value);
        return;
    }
    const ConsoleVariable::TextOutcome outcome = variables.hold(name, value);
    if (outcome != ConsoleVariable::TextOutcome::taken) refuseVariableText(outcome, name, value);
    lines.lineOfName[name] = number;
}

void reportRefusedHeldValues(ConsoleVariables& variables, std::shared_ptr<const SettingLines> lines,
                             std::ostream& warnings) {
    variables.setHeldValueRefusalSink([lines, &warnings](const ConsoleVariable& variable,
                                                         const std::string& heldText,
                                                         ConsoleVariable::TextOutcome outcome) {
        const auto found = lines->lineOfName.find(variable.name());
        const int line = found == lines->lineOfName.end() ? 0 : found->second;
        try {
            refuseVariableText(outcome, variable.name(), heldText, variable.range(), variable.rule());
        } catch (const ConsoleError& refusal) {
            warn(warnings, lines->path, line, refusal.what());
        }
    });
}

bool needsQuotes(const std::string& text) {
    return text.empty() || text.find_first_of(" \t\r#") != std::string::npos;
}

} // namespace

std::string takeConfigOption(std::vector<std::string>& arguments) {
    std::string path;
    bool given = false;
    std::vector<std::string> rest;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] != configOption) {
            rest.push_back(arguments[index]);
            continue;
        }
        if (given) throw ConsoleError(fmt::format("{} can be given only once", configOption));
        if (index + 1 >= arguments.size() || arguments[index + 1].empty())
            throw ConsoleError(fmt::format("{} needs a file name", configOption));
        path = arguments[++index];
        given = true;
    }
    arguments = std::move(rest);
    return path;
}

PersistedSettings PersistedSettings::read(const std::string& path, halvex::host::HostState& host,
                                          std::ostream& warnings) {
    if (path.empty()) return PersistedSettings();
    const std::optional<std::string> contents = readKeptFile(path, settingsWhat);
    auto lines = std::make_shared<SettingLines>(SettingLines{path, {}});
    if (contents) {
        const std::vector<std::string> fileLines = keptFileLines(*contents);
        for (std::size_t index = 0; index < fileLines.size(); ++index) {
            const int number = static_cast<int>(index) + 1;
            try {
                readSetting(host.variables(), fileLines[index], number, *lines);
            } catch (const ConsoleError& error) {
                warn(warnings, path, number, error.what());
            }
        }
    }
    reportRefusedHeldValues(host.variables(), lines, warnings);
    return PersistedSettings(path);
}

int PersistedSettings::writeAtExit(const halvex::host::HostState& host, int status, std::ostream& err) const {
    if (file.empty()) return status;
    return writeKeptFile(file, settingsWhat, settingsText(host.variables()), status, err);
}

std::string PersistedSettings::historyPath() const {
    return file.empty() ? std::string() : file + historySuffix;
}

std::string settingsText(const ConsoleVariables& variables) {
    std::map<std::string, std::string> values = variables.heldValues();
    for (const ConsoleVariable* variable : variables.all())
        values[variable->name()] = variable->text();
    std::string text = settingsHeading;
    for (const auto& [name, value] : values)
        if (isWritableAsConsoleWord(name) && isWritableAsConsoleWord(value))
            text += consoleWord(name) + ' ' + consoleWord(value) + '\n';
    return text;
}

bool isWritableAsConsoleWord(const std::string& text) {
    return text.find_first_of("\"\n") == std::string::npos;
}

std::string consoleWord(const std::string& text) {
    return needsQuotes(text) ? '"' + text + '"' : text;
}

} // namespace kadenzo::sim
