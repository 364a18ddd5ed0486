// The console: the commands and the reading loop.
//
// Index of this file:
// - Helpers: setting a variable from its text
// - Commands: the table of commands and what each does
// - Running: the lines of a script or of a person, one after the other
// - Help: the list of commands that `help` shows
#include "console/console.h"

#include "loader/module_version_info.h"
#include "platform/requests_to_end.h"
#include "platform/terminal_text.h"
#include "render/offscreen_renderer.h"

#include <fmt/format.h>

#include <iterator>
#include <ostream>

namespace kadenzo::sim {

// ---- Helpers -----------------------------------------------------------------------------------

namespace {

std::string describeRange(const halvex::host::VariableRange& range) {
    if (!range.hasMin && !range.hasMax) return "none";
    const std::string min = range.hasMin ? halvex::host::formatConsoleFloat(range.min) : "";
    const std::string max = range.hasMax ? halvex::host::formatConsoleFloat(range.max) : "";
    return min + ".." + max;
}

} // namespace

void refuseVariableText(halvex::host::ConsoleVariable::TextOutcome outcome, const std::string& name,
                        const std::string& text, const halvex::host::VariableRange& range,
                        halvex::host::ValueRule rule) {
    if (outcome == halvex::host::ConsoleVariable::TextOutcome::unordered)
        throw ConsoleError(
            fmt::format("\"{}\" cannot be clamped to the range {} of {}", text, describeRange(range), name));
    if (outcome == halvex::host::ConsoleVariable::TextOutcome::outsideRule)
        throw ConsoleError(
            fmt::format("\"{}\" is refused: {} takes {}", text, name, halvex::host::describeRule(rule)));
    throw ConsoleError(fmt::format("\"{}\" is not a number ({} takes a number)", text, name));
}

std::optional<std::string> setVariableText(halvex::host::ConsoleVariable& variable, const std::string& text) {
    const halvex::host::ConsoleVariable::TextOutcome outcome = variable.setText(text);
    if (outcome != halvex::host::ConsoleVariable::TextOutcome::taken)
        refuseVariableText(outcome, variable.name(), text, variable.range(), variable.rule());
    return variable.clampNotice(text);
}

// ---- Commands ----------------------------------------------------------------------------------

Console::Console(Simulator& simulator, std::ostream& out)
    : simulator(simulator), out(out), driver(simulator.ui, [this] { renderFrame(); }) {}

void Console::execute(const std::string& line) {
    const std::vector<std::string> words = splitWords(line);
    if (words.empty()) return;
    run(words);
    runPendingCommands();
}

void Console::shutDown() {
    unloadPlugin(simulator);
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

// In the order of the help text. Rationale: one table, so that the console runs and completes the same
// commands. A command added here goes in the help text too (consoleHelp, below); a test checks that every
// word is there.
const Console::Command Console::commands[] = {
    {"cvars", &Console::listVariables},       {"plugin", &Console::pluginCommand},
    {"inspect", &Console::inspect},           {"trace", &Console::traceCommand},
    {"training", &Console::trainingCommand},  {"event", &Console::eventCommand},
    {"attempts", &Console::attemptsCommand},  {"canvas", &Console::canvasCommand},
    {"frame", &Console::frameCommand},        {"screenshot", &Console::screenshotCommand},
    {"settings", &Console::settingsCommand},  {"togglemenu", &Console::toggleMenuCommand},
    {"mouse", &Console::pointerCommand},      {"hover", &Console::pointerCommand},
    {"click", &Console::pointerCommand},      {"slide", &Console::slideCommand},
    {"close", &Console::windowButtonCommand}, {"collapse", &Console::windowButtonCommand},
    {"ui", &Console::describeInterface},      {"help", &Console::showHelp},
    {"quit", &Console::quitCommand},          {"exit", &Console::quitCommand},
};

std::vector<std::string> Console::commandWords() {
    static_assert(std::size(commands) == 22, "one row per command word of the help text");
    std::vector<std::string> words;
    for (const Command& command : commands)
        words.emplace_back(command.word);
    for (const char* shorthand : gameShorthandWords())
        words.emplace_back(shorthand);
    return words;
}

void Console::run(const std::vector<std::string>& words) {
    const std::string& word = words[0];
    if (const char* functionName = gameFunctionOfShorthand(word)) {
        expectArguments(words, 0, 0, word.c_str());
        simulator.game.fire(functionName);
        return;
    }
    for (const Command& command : commands)
        if (word == command.word) {
            (this->*command.run)(words);
            return;
        }
    setOrShowVariable(words);
}

void Console::showHelp(const std::vector<std::string>& words) {
    expectArguments(words, 0, 0, "help");
    out << consoleHelp();
}

void Console::quitCommand(const std::vector<std::string>& words) {
    expectArguments(words, 0, 0, words[0].c_str());
    quitting = true;
}

void Console::setOrShowVariable(const std::vector<std::string>& words) {
    halvex::host::ConsoleVariable* variable = simulator.host.variables().find(words[0]);
    if (!variable)
        throw ConsoleError(
            fmt::format("unknown command or variable \"{}\" (try \"help\" or \"cvars\")", words[0]));
    if (words.size() == 1) {
        out << platform::terminalText(variable->name() + " = " + variable->text()) << '\n';
        return;
    }
    if (words.size() > 2) throw ConsoleError(fmt::format("usage: {} [VALUE]", words[0]));
    if (const std::optional<std::string> clamped = setVariableText(*variable, words[1]))
        out << platform::terminalText(*clamped) << '\n';
}

void Console::listVariables(const std::vector<std::string>& words) {
    expectArguments(words, 0, 0, "cvars");
    for (const halvex::host::ConsoleVariable* variable : simulator.host.variables().all())
        out << platform::terminalText(fmt::format("{} = {}  default \"{}\"  range {}  \"{}\"",
                                                  variable->name(), variable->text(), variable->defaultText(),
                                                  describeRange(variable->range()), variable->description()))
            << '\n';
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

void Console::inspect(const std::vector<std::string>& words) {
    expectArguments(words, 0, 0, "inspect");
    if (!simulator.plugin) throw ConsoleError("no plugin is loaded");
    const halvex::PluginRecord& record = simulator.plugin->record();
    out << "apiVersion " << record.apiVersion << '\n'
        << "fileName " << platform::terminalText(record.fileName) << '\n'
        << "className " << platform::terminalText(record.className) << '\n'
        << "pluginName " << platform::terminalText(record.pluginName) << '\n'
        << "pluginVersion " << platform::terminalText(record.pluginVersion) << '\n'
        << "pluginType " << record.pluginType << '\n';
    std::vector<VersionString> strings;
    std::string error;
    if (readVersionStrings(simulator.plugin->path(), strings, error))
        for (const VersionString& entry : strings)
            out << platform::terminalText(entry.name + ' ' + entry.value) << '\n';
}

void Console::traceCommand(const std::vector<std::string>& words) {
    simulator.host.setTracing(parseOnOff(words, "trace on|off"));
}

void Console::trainingCommand(const std::vector<std::string>& words) {
    simulator.game.setInCustomTraining(parseOnOff(words, "training on|off"));
}

// The name may be written as it is or in quotes: "event Function A.B" and "event \"Function A.B\""
// call the same function.
void Console::eventCommand(const std::vector<std::string>& words) {
    if (words.size() < 2) throw ConsoleError("usage: event FUNCTION NAME");
    std::string name = words[1];
    for (std::size_t index = 2; index < words.size(); ++index)
        name += ' ' + words[index];
    simulator.game.fire(name);
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
    // Every canvas can be pictured.
    constexpr int largest = render::OffscreenRenderer::largestSize;
    const int width = requireWholeNumber(words[1], 1, largest, "the canvas width");
    const int height = requireWholeNumber(words[2], 1, largest, "the canvas height");
    simulator.game.setCanvasSize(Vector2{width, height});
}

void Console::frameCommand(const std::vector<std::string>& words) {
    expectArguments(words, 0, 1, "frame [COUNT]");
    const int count =
        words.size() == 2 ? requireWholeNumber(words[1], 1, largestFrameCount, "the frame count") : 1;
    for (int frame = 0; frame < count; ++frame) {
        // Ctrl+C, or a request to end, at a terminal (platform/requests_to_end.h). The terminal showed
        // the ^C where its cursor was; the message goes on a line of its own.
        if (platform::requestHeld()) {
            if (platform::takeHeldInterrupt()) out << '\n';
            throw ConsoleError(fmt::format("stopped after {} of {} frames", frame, count));
        }
        renderFrame();
    }
}

const halvex::host::Canvas& Console::renderedFrame() const {
    const halvex::host::Canvas* frame = simulator.game.lastFrame();
    if (!frame) throw ConsoleError("no frame has been rendered yet (use \"frame\" first)");
    return *frame;
}

void Console::screenshotCommand(const std::vector<std::string>& words) {
    expectArguments(words, 1, 1, "screenshot FILE.png");
    const std::string& path = words[1];
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".png") != 0)
        throw ConsoleError(fmt::format("screenshot writes PNG files; \"{}\" does not end in .png", path));
    const halvex::host::Canvas& frame = renderedFrame();
    const Picture picture{canvasScene(frame.size(), frame.texts()), simulator.ui.drawData(),
                          &simulator.ui.fontTexture(), std::nullopt};
    std::string error;
    if (!simulator.pictures.write(picture, path, error)) throw ConsoleError(error);
    out << "wrote " << platform::terminalText(path) << '\n';
}

// ---- Running -----------------------------------------------------------------------------------

namespace {

int runLines(Console& console, LineSource& in, bool interactive, std::ostream& out, std::ostream& err) {
    std::string line;
    for (;;) {
        try {
            if (!in.next(line)) break;
            console.execute(line);
            if (console.quitRequested()) break;
        } catch (const ScriptUnreadable& error) {
            out << std::flush;
            err << "kadenzo-sim: " << platform::terminalText(error.what()) << std::endl;
            return 2;
        } catch (const std::exception& error) {
            out << std::flush;
            if (!interactive) {
                err << platform::terminalText(
                           fmt::format("{}:{}: {}", in.name(), in.lineNumber(), error.what()))
                    << std::endl;
                return 2;
            }
            err << "error: " << platform::terminalText(error.what()) << std::endl;
            in.skipRestOfLine();
        }
    }
    return 0;
}

} // namespace

int runConsole(Console& console, LineSource& in, bool interactive, std::ostream& out, std::ostream& err) {
    const int status = runLines(console, in, interactive, out, err);
    try {
        console.shutDown();
    } catch (const std::exception& error) {
        out << std::flush;
        err << platform::terminalText(fmt::format("{}: at exit: {}", in.name(), error.what())) << std::endl;
        return 2;
    }
    return status;
}

// ---- Help --------------------------------------------------------------------------------------

std::string consoleHelp() {
    return fmt::format(R"(Console commands (one a line; '#' starts a comment; words may be double-quoted):
  NAME VALUE            set a console variable as the host console does (clamped to its range,
                        which it then says)
  NAME                  print NAME = VALUE
  cvars                 list every variable: name, value, default, range, description
  plugin load [PATH]    load a plugin module (default: the one beside kadenzo-sim)
  plugin unload         onUnload, drop the plugin's hooks, drawables and bindings, deleteMe, close
  inspect               print the loaded module's description record
  trace on|off          print every host call the plugin makes, every canvas call, and when the
                        host starts or stops keeping the input from the game because the plugin
                        wants it ("host input blocked", "host input passed")
  training on|off       whether the game is in custom training (off at start)
  event FUNCTION        call the game function named by the rest of the line
  loadround, roundchanged, destroyed, touch, explode, goal, restart
                        call the game function these stand for
  attempts CODES        one attempt per character, each followed by a restart:
                        G goal, T touch then explosion, X explosion, N nothing, E explosion then goal
  canvas W H            set the canvas size, 1 to {largestCanvas} pixels each way (1920 x 1080 at start)
  frame [N]             render N frames (default 1, at most {largestFrameCount}): the canvas with every
                        drawable, then the host's interface over it, then the commands the plugin issued
  screenshot FILE.png   write the last frame as a picture, the interface's windows included

The host's interface (Dear ImGui windows over the canvas, drawn in every frame):
  settings on|off       show or hide the host's settings window with the plugin's page (hidden
                        at start)
  togglemenu NAME       open or close the plugin menu NAME (the plugin's window)
  mouse X Y             move the pointer to pixel X, Y; the next frame sees it there
  hover X Y             move the pointer there and render two frames (tooltips show)
  hover LABEL           the same on the visible widget labelled LABEL
  click X Y             move the pointer there, then press and release the left button over
                        frames of their own
  click LABEL           the same on the visible widget labelled LABEL (quote labels with blanks)
  slide LABEL VALUE     Ctrl+click the slider labelled LABEL, type VALUE, press Enter; VALUE is a
                        plain decimal of at most 31 characters, on an integer slider a whole number
                        from -2147483648 to 2147483647 (else refused, the slider left as it was);
                        beyond the slider's own limits it is typed as it is and the variable
                        behind the slider clamps it to its range
  close TITLE           click the close button of the window titled TITLE; an error when the
                        window is still open in the frame after (a plugin may keep it open)
  collapse TITLE        click its collapse button (again to expand it)
  ui                    list the windows the last frame showed, back to front, each with the
                        rows of text it drew and its separators (---), a check box's label after
                        [x] when a check mark was drawn in its box, else [ ]; an error before any
                        frame
  help                  show this list
  quit, exit            end the session as the end of the input does: the plugin is unloaded and
                        the settings (--config) are written (at a terminal the history too); in a
                        script the lines after it are not run

At a terminal, quit or exit (or Ctrl+D on an empty line) ends the session and writes the settings;
Ctrl+C drops the line being typed, or stops "frame N" between two frames, and the console goes on.
)",
                       fmt::arg("largestCanvas", render::OffscreenRenderer::largestSize),
                       fmt::arg("largestFrameCount", largestFrameCount));
}

} // namespace kadenzo::sim
