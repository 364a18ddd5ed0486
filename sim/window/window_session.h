// What a desktop window runs, apart from the system's window and graphics: the simulator and its
// console, the log the window shows, the lines its controls ask to run, the automatic player, the chart
// and the game view. The platform code (desktop_window.h) drives its frames.
//
// Index of this file:
// - WindowLog: the console's lines as the window shows them
// - LiveChart: game speed and window accuracy of the attempts the window played
// - AutoPlayer: the play model, taking an attempt every few frames
// - WindowSession: the simulator, at start / at exit, and the steps of each frame
#pragma once

#include "console/console.h"
#include "console/script_reader.h"
#include "pictures/ten_attempt_windows.h"
#include "game/player_model.h"
#include "simulator.h"
#include "window/game_view.h"
#include "window/window_controls.h"
#include "window/window_layout.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kadenzo::sim {

// ---- WindowLog ---------------------------------------------------------------------------------

struct LogLine {
    enum class Kind { command, output, trace, error };
    Kind kind;
    std::string text;
};

// The newest `capacity` lines, each shown through platform::terminalText (typed lines, the plugin's trace
// and messages repeat text from outside). Each line is echoed as it is added: errors to ERR as
// "error: TEXT", the rest to OUT, so that a run from a terminal or a test sees what the window showed.
class WindowLog {
public:
    static constexpr std::size_t capacity = 5000;

    WindowLog(std::ostream& out, std::ostream& err) : out(out), err(err) {}

    // One line per line of TEXT; a final line end adds no empty line.
    void add(LogLine::Kind kind, const std::string& text);
    void clear() { shown.clear(); }

    const std::deque<LogLine>& lines() const { return shown; }
    // Lines added since the start, shown or dropped: a view scrolls to the end when it grows.
    std::size_t added() const { return count; }

private:
    std::ostream& out;
    std::ostream& err;
    std::deque<LogLine> shown;
    std::size_t count = 0;
};

// ---- LiveChart ---------------------------------------------------------------------------------

// Every attempt the game saw end (game_simulation.h: its buttons and keys, typed commands, events and
// attempt codes, the automatic player alike), counted in windows of ten from the first, as `play` counts
// them.
class LiveChart {
public:
    static constexpr std::size_t attemptsKept = 300;
    static constexpr std::size_t windowsKept = 100;

    // One attempt: whether it succeeded, the game speed when it was taken and once it was over. Returns
    // the window of ten when this attempt closed one.
    std::optional<TenAttemptWindow> add(bool success, float speedWhenTaken, float speedAfter);

    // Oldest first: the game speed of each attempt, and the accuracy (0 to 1) of each closed window.
    const std::deque<float>& speeds() const { return attemptSpeeds; }
    const std::deque<float>& accuracies() const { return windowAccuracies; }
    std::size_t windowsClosed() const { return closed; }
    long long attempts() const { return attemptCount; }

private:
    std::deque<float> attemptSpeeds;
    std::deque<float> windowAccuracies;
    TenAttemptWindow filling;
    long long attemptCount = 0;
    std::size_t closed = 0;
};

// ---- AutoPlayer --------------------------------------------------------------------------------

// The play model's player (player_model.h), with its skill adjustable between attempts. Frames are
// counted, not seconds, so that a run of a fixed number of frames plays the same attempts every time.
class AutoPlayer {
public:
    // The pace a person can set, in attempts per second at 60 frames a second.
    static constexpr float slowestPace = 0.5f;
    static constexpr float fastestPace = 60.0f;

    bool playing() const { return on; }
    void setPlaying(bool playing);
    float pace() const { return attemptsPerSecond; }
    void setPace(float attemptsPerSecond);
    PlayerModel& model() { return player; }

    // Counts a frame; true when an attempt is due in it.
    bool frameDue();

private:
    bool on = false;
    float attemptsPerSecond = 4.0f;
    int framesSinceAttempt = 0;
    PlayerModel player{PlayerParameters{}, 1};
};

// ---- WindowSession -----------------------------------------------------------------------------

class WindowSession {
public:
    // Builds the simulator (makeWindowSimulator) with its trace going into the log, and shows the host's
    // interface with the panels in a desktop window, of DISPLAY_SIZE until its first frame says otherwise
    // (HostInterface::showInDesktopWindow): the frames of the console's commands (a click) are the
    // window's too.
    WindowSession(const std::string& defaultPluginPath, Vector2 displaySize, std::ostream& out,
                  std::ostream& err);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // At start: loads the plugin and shows the host's settings window. Persisted settings belong here,
    // once the plugin has registered its variables. Throws ConsoleError.
    void atStart(const std::string& pluginPath);
    // Runs the script's lines as if typed into the window's console, before the first frame. Throws
    // ConsoleError "NAME:LINE: message" at the first failing line, ScriptUnreadable when it cannot be read.
    // The lines it schedules with `after` stay the script's: see scriptFailure().
    void runScript(ScriptReader& script);
    // At exit: unloads the plugin (settings to keep are taken before that). Throws ConsoleError, once the
    // plugin is unloaded, when one of its entry points failed.
    void atExit();

    // Each frame, in this order. beforeFrame runs the lines asked for since the last frame, lets the
    // automatic player take its attempt and renders the canvas; it returns the canvas's pixels when they
    // changed, for the platform to show through gameView(). interfaceFrame draws the host's interface
    // and the window's panels (PLATFORM_INPUT gives Dear ImGui the real input, see HostInterface);
    // afterFrame runs the commands the plugin issued in it.
    const render::Image* beforeFrame();
    void interfaceFrame(const std::function<void()>& platformInput);
    void afterFrame();

    // Frames step by exactly 1/60 s however long they take, as in a run of a fixed number of frames.
    void useFixedTimeStep() { fixedTimeStep = true; }

    // Runs LINE between frames, shown in the log as typed.
    void request(const std::string& line) { requested.push_back(line); }
    // Runs LINE now, shown in the log; a failure is logged, not thrown.
    void runLine(const std::string& line);
    // Whether "quit" or "exit" ran (typed, from the menu, or a command the plugin issued).
    bool quitRequested() const { return console.quitRequested(); }
    // "NAME:LINE: message" once a line the script scheduled with `after` failed, LINE being the script's
    // line that scheduled it. As at the script's first failing line, the run ends there: nothing more
    // runs in the frames that follow, and closing() holds.
    // Rationale: `after 2 ui` belongs to the script as much as `ui` would; a person's typed lines fail
    // into the log and the window goes on.
    const std::optional<std::string>& scriptFailure() const { return failedScriptLine; }
    // Whether the window is to close: quit or exit ran, or a line of the script's failed.
    bool closing() const { return quitRequested() || failedScriptLine.has_value(); }

    Simulator& simulator() { return *sim; }
    ImGuiContext* interfaceContext() const { return sim->ui.context(); }
    GameView& gameView() { return view; }
    WindowLog& log() { return lines; }
    const WindowLog& log() const { return lines; }
    const LiveChart& chart() const { return liveChart; }
    // Where the panels first appear, for the display of the current frame.
    const WindowLayout& layout() const { return panels; }
    AutoPlayer& player() { return autoPlayer; }
    // The game speed now.
    float gameSpeed() const;

private:
    // Runs one line: the window's own commands, else the console's. Throws.
    void execute(const std::string& line);
    // Runs a line of the script's, of PLACE ("NAME:LINE"); throws ConsoleError "PLACE: message".
    void executeForScript(const std::string& line, const std::string& place);
    bool windowCommand(const std::vector<std::string>& words);
    void playerCommand(const std::vector<std::string>& words);
    void afterCommand(const std::vector<std::string>& words);
    // Runs the lines `after` scheduled for the frames drawn so far.
    void runScheduledLines();
    // Starts or stops the automatic player; starting it logs what keeps the plugin from acting.
    void startPlayer(bool playing);
    // Lays the panels and the host's windows out for the display of this frame.
    void arrangeFor(ImVec2 displaySize);
    // One whole attempt, played on the game; the chart hears of it from the game (chartAttempt).
    void playAttempt(bool success);
    void chartAttempt(const ObservedAttempt& attempt);
    void drainOutput();

    std::ostringstream output;
    WindowLog lines;
    std::unique_ptr<Simulator> sim;
    Console console;
    GameView view;
    LiveChart liveChart;
    AutoPlayer autoPlayer;
    WindowLayout panels;
    WindowControls controls;
    std::vector<std::string> requested;
    struct ScheduledLine {
        long long frame; // runs before the frame that follows this many
        std::string line;
        std::string scriptPlace; // "NAME:LINE" of the script's line that scheduled it; empty when typed
    };
    std::vector<ScheduledLine> scheduled;
    std::string runningScriptPlace; // while a line of the script's runs
    std::optional<std::string> failedScriptLine;
    long long framesDrawn = 0;
    bool fixedTimeStep = false;
};

// The one place a window's simulator is made: the plugin loads from beside kadenzo-sim unless told
// otherwise, and the trace goes to SINK.
std::unique_ptr<Simulator> makeWindowSimulator(const std::string& defaultPluginPath,
                                               std::function<void(const std::string&)> sink);

// The window's own commands, for the help text: one "  NAME ARGUMENTS   what it does" line each.
std::string windowCommandHelp();

} // namespace kadenzo::sim
