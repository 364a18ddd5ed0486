// Settings kept across runs (--config FILE): the option, reading the file into the host, the held
// values the plugin's registration refuses, and writing the file at exit.
//
// Index of this file:
// - Lines: what makes a file a settings file, and reading its lines
// - The option
// - Reading
// - Writing at exit: this run's changes applied to what is on the disk now
// - Words
#include "console/persisted_settings.h"

#include "command_line.h"
#include "console/console.h"
#include "output/kept_files.h"
#include "platform/terminal_text.h"

#include <fmt/format.h>

#include <cmath>
#include <map>
#include <memory>
#include <ostream>

namespace kadenzo::sim {

// ---- Lines -------------------------------------------------------------------------------------

namespace {

constexpr const char* configOption = "--config";
constexpr const char* settingsWhat = "settings";
constexpr const char* historySuffix = ".history";
// Standard input or output where a file name is expected, which --config does not take.
constexpr const char* standardStreamName = "-";
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
    warnings << platform::terminalText(fmt::format("{}:{}: {}", path, line, message)) << std::endl;
}

// A byte no settings line holds: a NUL, else a control byte other than a tab or a carriage return.
std::optional<unsigned char> foreignByte(const std::string& line) {
    if (line.find('\0') != std::string::npos) return 0;
    for (const char byte : line) {
        const auto value = static_cast<unsigned char>(byte);
        if ((value < 0x20 && value != '\t' && value != '\r') || value == 0x7f) return value;
    }
    return std::nullopt;
}

// Why LINE cannot be a line of a settings file: a blank line, a comment or NAME VALUE; none when it can.
std::optional<std::string> whyNoSettingLine(const std::string& line) {
    if (const std::optional<unsigned char> byte = foreignByte(line))
        return *byte == 0 ? std::string("the line holds a NUL byte")
                          : "the line holds the control byte " +
                                platform::terminalText(std::string(1, static_cast<char>(*byte)));
    if (line.size() > ScriptReader::longestLine)
        return fmt::format("the line is longer than {} bytes", ScriptReader::longestLine);
    try {
        const std::size_t words = splitWords(line).size();
        if (words == 0 || words == 2) return std::nullopt;
        return fmt::format("expected NAME VALUE (one console variable a line), not {} word{}", words,
                           words == 1 ? "" : "s");
    } catch (const ConsoleError& error) {
        return std::string(error.what());
    }
}

// Rationale: a file that is not made only of settings lines is some other file named by mistake (the
// module, a script); writing the settings over it at exit would destroy it, so it is neither read nor
// written.
void requireSettingsFile(const std::string& path, const std::vector<std::string>& lines) {
    for (std::size_t index = 0; index < lines.size(); ++index)
        if (const std::optional<std::string> cause = whyNoSettingLine(lines[index]))
            throw KeptFileError(fmt::format("{}:{}: {}, so {} is no settings file; it is left as it is", path,
                                            index + 1, *cause, path));
}

// The NAME VALUE of a line that requireSettingsFile let through; none for a blank or comment line.
std::optional<std::pair<std::string, std::string>> settingOf(const std::string& line) {
    std::vector<std::string> words = splitWords(line);
    if (words.size() != 2) return std::nullopt;
    return std::make_pair(std::move(words[0]), std::move(words[1]));
}

// One setting of the file; throws ConsoleError when the variable refuses the value.
void readSetting(ConsoleVariables& variables, const std::string& name, const std::string& value, int number,
                 SettingLines& lines) {
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

// Two texts of one value: the same text, or the same console number (NaN being the same as NaN).
bool sameValue(const std::string& first, const std::string& second) {
    if (first == second) return true;
    const std::optional<float> a = halvex::host::parseConsoleNumber(first);
    const std::optional<float> b = halvex::host::parseConsoleNumber(second);
    if (!a || !b) return false;
    return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

// Every value the host has, registered or held, by name.
std::map<std::string, std::string> valuesOf(const ConsoleVariables& variables) {
    std::map<std::string, std::string> values = variables.heldValues();
    for (const ConsoleVariable* variable : variables.all())
        values[variable->name()] = variable->text();
    return values;
}

} // namespace

// ---- The option --------------------------------------------------------------------------------

std::string takeConfigOption(std::vector<std::string>& arguments) {
    std::string path;
    GivenOptions given;
    std::vector<std::string> rest;
    CommandLine line(arguments);
    while (!line.atEnd()) {
        if (line.takeEndOfOptions()) {
            rest.push_back(endOfOptions);
            for (std::string& operand : line.rest())
                rest.push_back(std::move(operand));
            break;
        }
        const CommandArgument argument = line.next();
        if (!argument.isOption || argument.name != configOption) {
            rest.push_back(argument.attachedValue ? argument.name + "=" + *argument.attachedValue
                                                  : argument.name);
            continue;
        }
        given.note(configOption);
        path = line.valueOf(argument, "a file name");
        if (path == standardStreamName)
            throw ConsoleError(
                fmt::format("{} needs a file name, not \"{}\": settings are read from a file and "
                            "written back to it at exit, which standard input and output "
                            "cannot do",
                            configOption, standardStreamName));
    }
    arguments = std::move(rest);
    return path;
}

// ---- Reading -----------------------------------------------------------------------------------

PersistedSettings PersistedSettings::read(const std::string& path, halvex::host::HostState& host,
                                          std::ostream& warnings) {
    if (path.empty()) return PersistedSettings();
    const std::optional<std::string> contents = readKeptFile(path, settingsWhat);
    const std::vector<std::string> fileLines =
        contents ? keptFileLines(*contents) : std::vector<std::string>();
    requireSettingsFile(path, fileLines);
    PersistedSettings settings(path);
    auto lines = std::make_shared<SettingLines>(SettingLines{path, {}});
    ConsoleVariables& variables = host.variables();
    for (std::size_t index = 0; index < fileLines.size(); ++index) {
        const auto setting = settingOf(fileLines[index]);
        if (!setting) continue;
        const int number = static_cast<int>(index) + 1;
        settings.startValues[setting->first] = setting->second;
        try {
            readSetting(variables, setting->first, setting->second, number, *lines);
        } catch (const ConsoleError& error) {
            warn(warnings, path, number, error.what());
        }
    }
    // What a variable registered already holds now is what this run starts from.
    for (const ConsoleVariable* variable : variables.all())
        settings.startValues[variable->name()] = variable->text();
    reportRefusedHeldValues(variables, lines, warnings);
    return settings;
}

// ---- Writing at exit ---------------------------------------------------------------------------

bool PersistedSettings::changedInThisRun(const ConsoleVariables& variables, const std::string& name,
                                         const std::string& value) const {
    const auto start = startValues.find(name);
    if (start != startValues.end()) return !sameValue(start->second, value);
    // Registered after the file was read, without a value from it: it started from its default.
    const ConsoleVariable* variable = variables.find(name);
    return !variable || !sameValue(variable->defaultText(), value);
}

std::string PersistedSettings::merged(const ConsoleVariables& variables,
                                      const std::optional<std::string>& onDisk) const {
    // What is on the disk now, held as a run reading it would hold it (values that are no number dropped).
    ConsoleVariables kept;
    const std::vector<std::string> diskLines = onDisk ? keptFileLines(*onDisk) : std::vector<std::string>();
    requireSettingsFile(file, diskLines);
    for (const std::string& line : diskLines)
        if (const auto setting = settingOf(line)) kept.hold(setting->first, setting->second);
    for (const auto& [name, value] : valuesOf(variables))
        if (changedInThisRun(variables, name, value) || kept.heldValues().count(name) == 0)
            kept.hold(name, value);
    return settingsText(kept);
}

int PersistedSettings::writeAtExit(const halvex::host::HostState& host, int status, std::ostream& err) const {
    if (file.empty()) return status;
    const ConsoleVariables& variables = host.variables();
    return rewriteKeptFile(
        file, settingsWhat,
        [this, &variables](const std::optional<std::string>& onDisk) { return merged(variables, onDisk); },
        status, err);
}

std::string PersistedSettings::historyPath() const {
    return file.empty() ? std::string() : file + historySuffix;
}

// ---- Words -------------------------------------------------------------------------------------

std::string settingsText(const ConsoleVariables& variables) {
    std::string text = settingsHeading;
    for (const auto& [name, value] : valuesOf(variables))
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
