// The desktop window's session: the log, the chart, the automatic player, the window's own commands and
// the steps of a frame.
//
// Index of this file:
// - WindowLog
// - LiveChart
// - AutoPlayer
// - The window's own commands
// - WindowSession
#include "window/window_session.h"

#include "console/console.h"
#include "console_variables.h"
#include "game/game_simulation.h"
#include "halvex/game_functions.h"
#include "number_text.h"
#include "platform/terminal_text.h"
#include "play/play_session.h"
#include "play/speed_explanation.h"
#include "window/plugin_readiness.h"

#include <fmt/format.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <ostream>
#include <string_view>

namespace kadenzo::sim {

// ---- WindowLog ---------------------------------------------------------------------------------

void WindowLog::add(LogLine::Kind kind, const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = platform::terminalText(std::string_view(text).substr(begin, end - begin));
        if (kind == LogLine::Kind::error)
            err << "error: " << line << '\n';
        else
            out << line << '\n';
        shown.push_back(LogLine{kind, std::move(line)});
        if (shown.size() > capacity) shown.pop_front();
        ++count;
        begin = end + 1;
    }
    // A line typed in the window reaches a terminal at once, not when a buffer fills.
    out.flush();
}

// ---- LiveChart ---------------------------------------------------------------------------------

namespace {

template <typename Value> void keepNewest(std::deque<Value>& values, const Value& value, std::size_t most) {
    values.push_back(value);
    if (values.size() > most) values.pop_front();
}

} // namespace

std::optional<TenAttemptWindow> LiveChart::add(bool success, float speedWhenTaken, float speedAfter) {
    if (attemptCount % 10 == 0) filling = TenAttemptWindow{0, speedWhenTaken, speedWhenTaken};
    ++attemptCount;
    filling.successes += success ? 1 : 0;
    keepNewest(attemptSpeeds, speedWhenTaken, attemptsKept);
    if (attemptCount % 10 != 0) return std::nullopt;
    filling.speedAfter = speedAfter;
    ++closed;
    keepNewest(windowAccuracies, static_cast<float>(filling.successes) / 10.0f, windowsKept);
    return filling;
}

// ---- AutoPlayer --------------------------------------------------------------------------------

namespace {
constexpr float framesPerSecond = 60.0f;
} // namespace

void AutoPlayer::setPlaying(bool playing) {
    on = playing;
    framesSinceAttempt = 0;
}

void AutoPlayer::setPace(float pace) {
    attemptsPerSecond = std::clamp(pace, slowestPace, fastestPace);
}

bool AutoPlayer::frameDue() {
    if (!on) return false;
    const int framesPerAttempt =
        std::max(1, static_cast<int>(std::lround(framesPerSecond / attemptsPerSecond)));
    if (++framesSinceAttempt < framesPerAttempt) return false;
    framesSinceAttempt = 0;
    return true;
}

// ---- The window's own commands -----------------------------------------------------------------

namespace {

struct WindowCommandEntry {
    const char* name;
    const char* arguments;
    const char* summary;
};

// Handled by WindowSession::windowCommand; everything else goes to the console.
constexpr WindowCommandEntry windowCommands[] = {
    {"success", "", "a whole attempt that succeeds (a goal, the restart)"},
    {"miss", "", "a whole attempt that misses (an explosion, the restart)"},
    {"player", "on [PACE]|off", "start the automatic player (PACE attempts a second, 0.5 to 60) or stop it"},
    {"after", "FRAMES LINE",
     "run LINE once FRAMES more frames have been drawn (1 to 100000), such as\n"
     "                        \"after 2 ui\" in a script to list what the window shows"},
    {"clear", "", "empty this log"},
};
// Rationale: quit and exit are the console's (console.h), which close the window as they end a console.
static_assert(std::size(windowCommands) == 5, "one entry per command WindowSession::windowCommand runs");

// Frames `after` may wait: a little over a quarter of an hour at 60 frames a second.
constexpr long long largestDelay = 100000;

// WORDS from FIRST on as one line that splitWords reads back into the same words.
std::string joinWords(const std::vector<std::string>& words, std::size_t first) {
    std::string line;
    for (std::size_t index = first; index < words.size(); ++index) {
        const std::string& word = words[index];
        if (!line.empty()) line += ' ';
        const bool quote = word.empty() || word.find_first_of(" \t#") != std::string::npos;
        line += quote ? '"' + word + '"' : word;
    }
    return line;
}

// Tracing stays as it was but leaves out the canvas calls of the window's own frames, which would fill
// the log sixty times a second; `frame` commands trace them as anywhere else.
class UntracedCanvas {
public:
    explicit UntracedCanvas(halvex::host::HostState& host) : host(host), tracing(host.tracing()) {
        host.setTracing(false);
    }
    ~UntracedCanvas() { host.setTracing(tracing); }
    UntracedCanvas(const UntracedCanvas&) = delete;
    UntracedCanvas& operator=(const UntracedCanvas&) = delete;

private:
    halvex::host::HostState& host;
    bool tracing;
};

} // namespace

std::string windowCommandHelp() {
    std::string help =
        "The window's own commands (typed in its console or in --script; the console's quit or "
        "exit closes the window):\n";
    for (const WindowCommandEntry& command : windowCommands)
        help += fmt::format("  {:<22}{}\n", fmt::format("{} {}", command.name, command.arguments),
                            command.summary);
    return help;
}

bool WindowSession::windowCommand(const std::vector<std::string>& words) {
    const std::string& name = words[0];
    if (name == "help") {
        expectArguments(words, 0, 0, "help");
        output << consoleHelp() << '\n' << windowCommandHelp();
    } else if (name == "success" || name == "miss") {
        expectArguments(words, 0, 0, name.c_str());
        playAttempt(name == "success");
    } else if (name == "player") {
        playerCommand(words);
    } else if (name == "after") {
        afterCommand(words);
    } else if (name == "clear") {
        expectArguments(words, 0, 0, "clear");
        lines.clear();
    } else {
        return false;
    }
    return true;
}

void WindowSession::playerCommand(const std::vector<std::string>& words) {
    const char* usage = "player on [PACE]|off";
    if (words.size() == 3 && words[1] == "on") {
        const auto pace = halvex::host::parseConsoleNumber(words[2]);
        if (!pace || !(*pace >= AutoPlayer::slowestPace) || !(*pace <= AutoPlayer::fastestPace))
            throw ConsoleError(
                fmt::format("the pace must be a number from {} to {} attempts a second, not \"{}\"",
                            shortest(AutoPlayer::slowestPace), shortest(AutoPlayer::fastestPace), words[2]));
        autoPlayer.setPace(*pace);
        startPlayer(true);
        return;
    }
    startPlayer(parseOnOff(words, usage));
}

void WindowSession::afterCommand(const std::vector<std::string>& words) {
    const char* usage = "after FRAMES LINE";
    // FRAMES and at least one word of LINE.
    if (words.size() < 3) expectArguments(words, 2, 2, usage);
    const long long frames = requireWholeNumber(words[1], 1LL, largestDelay, "the number of frames");
    scheduled.push_back(ScheduledLine{framesDrawn + frames, joinWords(words, 2), runningScriptPlace});
}

void WindowSession::startPlayer(bool playing) {
    autoPlayer.setPlaying(playing);
    if (!playing) return;
    // The player plays whether or not the plugin listens; say why it would not.
    for (const std::string& hint : readinessHints(readPluginReadiness(*sim)))
        output << hint << '\n';
}

// ---- WindowSession -----------------------------------------------------------------------------

namespace {

// The attempt codes (game/attempt_codes.h) of the window's whole attempts: a goal, or an explosion.
constexpr char successCode = 'G';
constexpr char missCode = 'X';

// Holds where in the script the running line is ("NAME:LINE") for as long as it runs, so that what it
// schedules stays the script's.
class ScriptLineRunning {
public:
    ScriptLineRunning(std::string& running, const std::string& place) : running(running) { running = place; }
    ~ScriptLineRunning() { running.clear(); }
    ScriptLineRunning(const ScriptLineRunning&) = delete;
    ScriptLineRunning& operator=(const ScriptLineRunning&) = delete;

private:
    std::string& running;
};

} // namespace

std::unique_ptr<Simulator> makeWindowSimulator(const std::string& defaultPluginPath,
                                               std::function<void(const std::string&)> sink) {
    auto simulator = std::make_unique<Simulator>();
    simulator->defaultPluginPath = defaultPluginPath;
    simulator->host.setTraceSink(std::move(sink));
    return simulator;
}

WindowSession::WindowSession(const std::string& defaultPluginPath, Vector2 displaySize, std::ostream& out,
                             std::ostream& err)
    : lines(out, err), sim(makeWindowSimulator(defaultPluginPath,
                                               [this](const std::string& line) {
                                                   drainOutput();
                                                   lines.add(LogLine::Kind::trace, line);
                                               })),
      console(*sim, output) {
    sim->game.observeAttempts([this](const ObservedAttempt& attempt) { chartAttempt(attempt); });
    sim->ui.showInDesktopWindow(displaySize, HostPanels{[this] { arrangeFor(ImGui::GetIO().DisplaySize); },
                                                        [this] { controls.draw(*this); }});
}

WindowSession::~WindowSession() {
    sim->game.observeAttempts(nullptr);
}

void WindowSession::atStart(const std::string& pluginPath) {
    loadPlugin(*sim, pluginPath);
    sim->ui.setSettingsShown(true);
}

void WindowSession::runScript(ScriptReader& script) {
    std::string line;
    while (script.next(line))
        executeForScript(line, fmt::format("{}:{}", script.name(), script.lineNumber()));
}

void WindowSession::executeForScript(const std::string& line, const std::string& place) {
    const ScriptLineRunning running(runningScriptPlace, place);
    try {
        execute(line);
    } catch (const std::exception& error) {
        drainOutput();
        throw ConsoleError(fmt::format("{}: {}", place, error.what()));
    }
}

void WindowSession::atExit() {
    try {
        console.shutDown();
    } catch (...) {
        drainOutput();
        throw;
    }
    drainOutput();
}

void WindowSession::execute(const std::string& line) {
    const std::vector<std::string> words = splitWords(line);
    if (words.empty()) return;
    lines.add(LogLine::Kind::command, "> " + line);
    if (!windowCommand(words)) console.execute(line);
    drainOutput();
}

void WindowSession::runLine(const std::string& line) {
    try {
        execute(line);
    } catch (const std::exception& error) {
        drainOutput();
        lines.add(LogLine::Kind::error, error.what());
    }
}

float WindowSession::gameSpeed() const {
    return sim->game.gameSpeed();
}

void WindowSession::playAttempt(bool success) {
    sim->game.playAttempt(success ? successCode : missCode);
    console.runPendingCommands();
}

void WindowSession::chartAttempt(const ObservedAttempt& attempt) {
    const std::optional<TenAttemptWindow> window =
        liveChart.add(attempt.success, attempt.speedDuring, attempt.speedAfter);
    if (!window) return;
    drainOutput();
    // Without a plugin the variables it left say nothing of why the speed stayed.
    const std::optional<CoachSettings> settings = sim->plugin ? coachSettingsOf(sim->host) : std::nullopt;
    lines.add(LogLine::Kind::output,
              windowLine(liveChart.windowsClosed(), *window,
                         settings ? heldSpeedReason(*settings, *window) : std::nullopt));
}

void WindowSession::drainOutput() {
    const std::string text = output.str();
    if (text.empty()) return;
    output.str(std::string());
    lines.add(LogLine::Kind::output, text);
}

const render::Image* WindowSession::beforeFrame() {
    if (failedScriptLine) return nullptr;
    std::vector<std::string> due;
    due.swap(requested);
    for (const std::string& line : due)
        runLine(line);
    runScheduledLines();
    if (failedScriptLine) return nullptr;
    if (autoPlayer.frameDue()) {
        try {
            playAttempt(autoPlayer.model().attempt(gameSpeed()));
            drainOutput();
        } catch (const std::exception& error) {
            drainOutput();
            lines.add(LogLine::Kind::error, fmt::format("the automatic player stopped: {}", error.what()));
            autoPlayer.setPlaying(false);
        }
    }
    {
        UntracedCanvas untraced(sim->host);
        sim->game.renderCanvas();
    }
    return view.update(*sim->game.lastFrame());
}

void WindowSession::interfaceFrame(const std::function<void()>& platformInput) {
    sim->ui.frame([&] {
        platformInput();
        if (fixedTimeStep) ImGui::GetIO().DeltaTime = 1.0f / 60.0f;
    });
}

void WindowSession::arrangeFor(ImVec2 displaySize) {
    panels = layoutWindow(displaySize.x, displaySize.y, fitCanvas(sim->game.canvasSize(), displaySize));
    sim->ui.placeWindows(panels.settings, panels.pluginWindow);
}

void WindowSession::runScheduledLines() {
    // In the order they were asked for; a line run here may schedule more, for later frames.
    std::vector<ScheduledLine> waiting;
    waiting.swap(scheduled);
    for (const ScheduledLine& line : waiting) {
        if (line.frame > framesDrawn) {
            scheduled.push_back(line);
        } else if (line.scriptPlace.empty()) {
            runLine(line.line);
        } else {
            try {
                executeForScript(line.line, line.scriptPlace);
            } catch (const ConsoleError& error) {
                failedScriptLine = error.what();
                return;
            }
        }
    }
}

void WindowSession::afterFrame() {
    ++framesDrawn;
    try {
        console.runPendingCommands();
    } catch (const std::exception& error) {
        drainOutput();
        lines.add(LogLine::Kind::error, error.what());
    }
    drainOutput();
}

} // namespace kadenzo::sim
