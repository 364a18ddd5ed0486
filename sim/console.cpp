#include "console.h"

#include "module_version_info.h"
#include "usage.h"

#include <fmt/format.h>

#include <istream>
#include <limits>
#include <ostream>

namespace kadenzo::sim {

// ---- Words -------------------------------------------------------------------------------------

namespace {

bool isBlank(char character) {
    return character == ' ' || character == '\t' || character == '\r';
}

// The line without its comment, and without blanks at either end.
std::string stripComment(const std::string& line) {
    bool quoted = false;
    std::size_t end = line.size();
    for (std::size_t index = 0; index < line.size(); ++index) {
        if (line[index] == '"')
            quoted = !quoted;
        else if (line[index] == '#' && !quoted) {
            end = index;
            break;
        }
    }
    std::size_t begin = 0;
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

} // namespace

std::vector<std::string> splitWords(const std::string& line) {
    const std::string text = stripComment(line);
    std::vector<std::string> words;
    std::size_t index = 0;
    while (index < text.size()) {
        if (isBlank(text[index])) {
            ++index;
            continue;
        }
        std::string word;
        bool quoted = false;
        while (index < text.size() && (quoted || !isBlank(text[index]))) {
            if (text[index] == '"')
                quoted = !quoted;
            else
                word += text[index];
            ++index;
        }
        if (quoted) throw ConsoleError("unterminated quote");
        words.push_back(word);
    }
    return words;
}

void refuseWholeNumber(const std::string& what, const std::string& text, const std::string& expected) {
    throw ConsoleError(fmt::format("{} must be {}, not \"{}\"", what, expected, text));
}

void refuseTooLarge(const std::string& what, const std::string& text, const std::string& most) {
    throw ConsoleError(fmt::format("{} is too large (at most {}), not \"{}\"", what, most, text));
}

void expectArguments(const std::vector<std::string>& words, std::size_t least, std::size_t most,
                     const char* usage) {
    const std::size_t arguments = words.size() - 1;
    if (arguments < least || arguments > most) throw ConsoleError(fmt::format("usage: {}", usage));
}

bool parseOnOff(const std::vector<std::string>& words, const char* usage) {
    expectArguments(words, 1, 1, usage);
    if (words[1] == "on") return true;
    if (words[1] == "off") return false;
    throw ConsoleError(fmt::format("expected on or off, not \"{}\" (usage: {})", words[1], usage));
}

// ---- Helpers -----------------------------------------------------------------------------------

namespace {

int parseWholeNumber(const std::string& text, int least, const char* what) {
    return requireWholeNumber(text, least, std::numeric_limits<int>::max(), what);
}

std::string describeRange(const halvex::host::VariableRange& range) {
    if (!range.hasMin && !range.hasMax) return "none";
    const std::string min = range.hasMin ? fmt::format("{}", range.min) : "";
    const std::string max = range.hasMax ? fmt::format("{}", range.max) : "";
    return min + ".." + max;
}

} // namespace

// ---- Commands ----------------------------------------------------------------------------------

Console::Console(Simulator& simulator, std::ostream& out)
    : simulator(simulator), out(out), driver(simulator.ui, [this] { renderFrame(); }) {}

void Console::execute(const std::string& line) {
    const std::vector<std::string> words = splitWords(line);
    if (words.empty()) return;
    run(words, line);
    runPendingCommands();
}

void Console::renderFrame() {
    kadenzo::sim::renderFrame(simulator);
    runPendingCommands();
}

// A failing command of the plugin's is reported as the failure of the line that let it run.
void Console::runPendingCommands() {
    while (!simulator.pendingCommands.empty()) {
        const std::string command = simulator.pendingCommands.front();
        simulator.pendingCommands.pop_front();
        try {
            execute(command);
        } catch (const std::exception& failure) {
            throw ConsoleError(
                fmt::format("the plugin's command \"{}\" failed: {}", command, failure.what()));
        }
    }
}

void Console::run(const std::vector<std::string>& words, const std::string& line) {
    const std::string& command = words[0];
    if (command == "help")
        out << consoleHelp();
    else if (command == "cvars")
        listVariables();
    else if (command == "plugin")
        pluginCommand(words);
    else if (command == "inspect")
        inspect();
    else if (command == "trace")
        traceCommand(words);
    else if (command == "training")
        trainingCommand(words);
    else if (command == "event")
        eventCommand(line);
    else if (const char* functionName = gameFunctionOfShorthand(command)) {
        expectArguments(words, 0, 0, command.c_str());
        simulator.game.fire(functionName);
    } else if (command == "attempts")
        attemptsCommand(words);
    else if (command == "canvas")
        canvasCommand(words);
    else if (command == "frame")
        frameCommand(words);
    else if (command == "screenshot")
        screenshotCommand(words);
    else if (command == "settings")
        settingsCommand(words);
    else if (command == "togglemenu")
        toggleMenuCommand(words);
    else if (command == "mouse" || command == "hover" || command == "click")
        pointerCommand(words);
    else if (command == "slide")
        slideCommand(words);
    else if (command == "close" || command == "collapse")
        windowButtonCommand(words);
    else if (command == "ui") {
        expectArguments(words, 0, 0, "ui");
        describeInterface();
    } else
        setOrShowVariable(words);
}

void Console::setOrShowVariable(const std::vector<std::string>& words) {
    halvex::host::ConsoleVariable* variable = simulator.host.variables().find(words[0]);
    if (!variable)
        throw ConsoleError(
            fmt::format("unknown command or variable \"{}\" (try \"help\" or \"cvars\")", words[0]));
    if (words.size() == 1) {
        out << variable->name() << " = " << variable->text() << '\n';
        return;
    }
    if (words.size() > 2) throw ConsoleError(fmt::format("usage: {} [VALUE]", words[0]));
    if (!variable->setText(words[1]))
        throw ConsoleError(fmt::format("\"{}\" is not a number ({} takes a number)", words[1], words[0]));
}

void Console::listVariables() {
    for (const halvex::host::ConsoleVariable* variable : simulator.host.variables().all())
        out << fmt::format("{} = {}  default \"{}\"  range {}  \"{}\"\n", variable->name(), variable->text(),
                           variable->defaultText(), describeRange(variable->range()),
                           variable->description());
}

void Console::pluginCommand(const std::vector<std::string>& words) {
    const char* usage = "plugin load [PATH] | plugin unload";
    if (words.size() < 2) throw ConsoleError(fmt::format("usage: {}", usage));
    if (words[1] == "load") {
        expectArguments(words, 1, 2, usage);
        if (simulator.plugin) throw ConsoleError("a plugin is already loaded; unload it first");
        loadPlugin(simulator, words.size() == 3 ? words[2] : simulator.defaultPluginPath);
    } else if (words[1] == "unload") {
        expectArguments(words, 1, 1, usage);
        if (!simulator.plugin) throw ConsoleError("no plugin is loaded");
        unloadPlugin(simulator);
    } else {
        throw ConsoleError(fmt::format("unknown plugin command \"{}\" (usage: {})", words[1], usage));
    }
}

void Console::inspect() {
    if (!simulator.plugin) throw ConsoleError("no plugin is loaded");
    const halvex::PluginRecord& record = simulator.plugin->record();
    out << "apiVersion " << record.apiVersion << '\n'
        << "fileName " << record.fileName << '\n'
        << "className " << record.className << '\n'
        << "pluginName " << record.pluginName << '\n'
        << "pluginVersion " << record.pluginVersion << '\n'
        << "pluginType " << record.pluginType << '\n';
    std::vector<VersionString> strings;
    std::string error;
    if (readVersionStrings(simulator.plugin->path(), strings, error))
        for (const VersionString& entry : strings)
            out << entry.name << ' ' << entry.value << '\n';
}

void Console::traceCommand(const std::vector<std::string>& words) {
    simulator.host.setTracing(parseOnOff(words, "trace on|off"));
}

void Console::trainingCommand(const std::vector<std::string>& words) {
    simulator.game.setInCustomTraining(parseOnOff(words, "training on|off"));
}

void Console::eventCommand(const std::string& line) {
    const std::string text = stripComment(line);
    const std::size_t nameStart = text.find_first_not_of(" \t", 5);
    if (nameStart == std::string::npos) throw ConsoleError("usage: event FUNCTION NAME");
    simulator.game.fire(text.substr(nameStart));
}

void Console::attemptsCommand(const std::vector<std::string>& words) {
    expectArguments(words, 1, 1,
                    "attempts CODES (G goal, T touch, X explosion, N nothing, E explosion and goal)");
    const std::string& codes = words[1];
    if (const auto position = firstInvalidAttemptCode(codes))
        throw ConsoleError(fmt::format("attempt code '{}' at position {} is not one of G, T, X, N, E",
                                       codes[*position], *position + 1));
    for (const char code : codes)
        simulator.game.playAttempt(code);
}

void Console::canvasCommand(const std::vector<std::string>& words) {
    expectArguments(words, 2, 2, "canvas WIDTH HEIGHT");
    const int width = parseWholeNumber(words[1], 1, "the canvas width");
    const int height = parseWholeNumber(words[2], 1, "the canvas height");
    simulator.game.setCanvasSize(Vector2{width, height});
}

void Console::frameCommand(const std::vector<std::string>& words) {
    expectArguments(words, 0, 1, "frame [COUNT]");
    const int count = words.size() == 2 ? parseWholeNumber(words[1], 1, "the frame count") : 1;
    for (int frame = 0; frame < count; ++frame)
        renderFrame();
}

void Console::screenshotCommand(const std::vector<std::string>& words) {
    expectArguments(words, 1, 1, "screenshot FILE.png");
    const std::string& path = words[1];
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".png") != 0)
        throw ConsoleError(fmt::format("screenshot writes PNG files; \"{}\" does not end in .png", path));
    const halvex::host::Canvas* frame = simulator.game.lastFrame();
    if (!frame) throw ConsoleError("no frame has been rendered yet (use \"frame\" first)");
    const Picture picture{canvasScene(frame->size(), frame->texts()), simulator.ui.drawData(),
                          &simulator.ui.fontTexture(), std::nullopt};
    std::string error;
    if (!simulator.pictures.write(picture, path, error)) throw ConsoleError(error);
}

// ---- Running -----------------------------------------------------------------------------------

int runConsole(Console& console, std::istream& in, const std::string& sourceName, bool interactive,
               std::ostream& out, std::ostream& err) {
    std::string line;
    int lineNumber = 0;
    if (interactive) out << "> " << std::flush;
    while (std::getline(in, line)) {
        ++lineNumber;
        try {
            console.execute(line);
        } catch (const std::exception& error) {
            out << std::flush;
            if (!interactive) {
                err << sourceName << ':' << lineNumber << ": " << error.what() << std::endl;
                return 2;
            }
            err << "error: " << error.what() << std::endl;
        }
        if (interactive) out << "> " << std::flush;
    }
    return 0;
}

} // namespace kadenzo::sim
