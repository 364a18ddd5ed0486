// `kadenzo-sim play`.
//
// Index of this file:
// - The session: settings, then the attempts, counted as they go
// - Reports: the line of each window and the summary
// - The command: options, the session, then its files: the CSV and the pictures
#include "play/play_session.h"

#include "command_line.h"
#include "console/persisted_settings.h"
#include "host_ui/ui_readback.h"
#include "number_text.h"
#include "output/kept_files.h"
#include "platform/terminal_text.h"
#include "play/play_options.h"
#include "settings_table.h"

#include <fmt/format.h>

#include <cmath>
#include <optional>
#include <ostream>

namespace kadenzo::sim {

// ---- The session -------------------------------------------------------------------------------

namespace {

halvex::host::ConsoleVariable& requireVariable(Simulator& simulator, const std::string& name,
                                               const char* why) {
    halvex::host::ConsoleVariable* variable = simulator.host.variables().find(name);
    if (!variable) throw ConsoleError(fmt::format("{}: no console variable is named \"{}\"", why, name));
    return *variable;
}

} // namespace

std::vector<std::string> prepareSession(Simulator& simulator, const PlayOptions& options) {
    for (const auto& setting : options.settings)
        requireVariable(simulator, setting.first, "--set");
    requireVariable(simulator, setting::slowMoEnabled.name, "the plugin").setText("1");
    std::vector<std::string> clamped;
    for (const auto& setting : options.settings)
        if (const std::optional<std::string> notice =
                setVariableText(requireVariable(simulator, setting.first, "--set"), setting.second))
            clamped.push_back("--set " + *notice);
    return clamped;
}

namespace {

CoachSettings requireCoachSettings(const Simulator& simulator) {
    const std::optional<CoachSettings> settings = coachSettingsOf(simulator.host);
    if (!settings) throw ConsoleError("the plugin has not registered the console variables of its settings");
    return *settings;
}

} // namespace

SessionResult playSession(Simulator& simulator, const PlayOptions& options, const SessionEvents& events) {
    halvex::host::ConsoleVariable& speed =
        requireVariable(simulator, halvex::host::gameSpeedVariable, "the game");
    GameSimulation& game = simulator.game;
    game.setInCustomTraining(true);
    game.fire(game_function::loadRound);
    // Every round begins with the controller's restart; the plugin counts from the next one.
    game.fire(game_function::controllerRestart);
    if (events.started) events.started(requireCoachSettings(simulator));

    PlayerModel player(options.player, options.seed);
    SessionResult result;
    TenAttemptWindow window;
    for (long long attempt = 0; attempt < options.attempts; ++attempt) {
        const float speedNow = speed.floatValue();
        if (attempt % 10 == 0) window = TenAttemptWindow{0, speedNow, speedNow};
        const bool success = player.attempt(speedNow);
        game.playAttempt(success ? 'G' : 'X');
        result.tally.addAttempt(success);
        window.successes += success ? 1 : 0;
        if (attempt % 10 == 9) {
            window.speedAfter = speed.floatValue();
            result.tally.addWindow(window.successes);
            result.windows.add(window);
            if (events.windowClosed)
                events.windowClosed(result.windows.total(), window,
                                    heldSpeedReason(requireCoachSettings(simulator), window));
        }
        if (events.attempted) events.attempted(attempt + 1, AttemptRecord{success, speedNow});
    }
    const halvex::host::ConsoleVariable* target =
        simulator.host.variables().find(setting::idealAccuracy.name);
    result.targetAccuracy = target ? target->floatValue() : 0.0f;
    result.finalSpeed = speed.floatValue();
    return result;
}

// ---- Reports -----------------------------------------------------------------------------------

std::string windowLine(std::size_t windowIndex, const TenAttemptWindow& window,
                       const std::optional<std::string>& held) {
    return fmt::format("window {:>4}  attempts {:>5}-{:<5}  {:>2}/10  speed {:.2f} -> {:.2f}{}{}",
                       windowIndex, (windowIndex - 1) * 10 + 1, windowIndex * 10, window.successes,
                       window.speedDuring, window.speedAfter, held ? "  " : "", held.value_or(""));
}

namespace {

// The speed as a percentage, or what the speed holds when that is no number a percentage can show.
std::string speedPercent(float speed) {
    const double percent = static_cast<double>(speed) * 100.0;
    if (!std::isfinite(percent) || std::fabs(percent) > 1e15) return shortestText(percent);
    return fmt::format("{}", std::lround(percent));
}

double percentOf(long long part, long long whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

} // namespace

std::string sessionSummary(const SessionResult& result) {
    const SessionTally& tally = result.tally;
    const double targetPercent = static_cast<double>(result.targetAccuracy) * 100.0;
    // Named by the attempts it counts: all of them in a session shorter than recentLength.
    const std::string recentLabel = fmt::format("last {} accuracy", tally.recentAttempts());
    return fmt::format("attempts             {}\n"
                       "total accuracy       {:.1f}% ({} of {})\n"
                       "{:<21}{:.1f}% ({} of {})\n"
                       "final speed          {:.2f} ({}%)\n"
                       "windows near target  {} of {} within 10 points of {:.0f}%\n",
                       tally.attempts(), percentOf(tally.successes(), tally.attempts()), tally.successes(),
                       tally.attempts(), recentLabel,
                       percentOf(tally.recentSuccesses(), tally.recentAttempts()), tally.recentSuccesses(),
                       tally.recentAttempts(), result.finalSpeed, speedPercent(result.finalSpeed),
                       tally.windowsNear(targetPercent, 10.0), tally.windows(), targetPercent);
}

// ---- The command -------------------------------------------------------------------------------

namespace {

// The attempt after which the overlay is pictured: one in the middle of a window, so that its markers
// show, at the end of the session when it ends in the middle of one.
long long overlayAttempt(long long attempts) {
    return attempts % 10 != 0 ? attempts : attempts - 5;
}

// The canvas of one frame, kept for a picture.
struct CanvasSnapshot {
    Vector2 size;
    std::vector<halvex::host::CanvasText> texts;
};

constexpr int pictureMargin = 16;

// The window's part of the frame, with a margin of the canvas around it.
PictureRegion windowRegion(const Simulator& simulator, const std::string& title) {
    for (const ShownWindow& window : shownWindows(simulator.ui.context()))
        if (window.title == title)
            return PictureRegion{static_cast<int>(window.box.x0) - pictureMargin,
                                 static_cast<int>(window.box.y0) - pictureMargin,
                                 static_cast<int>(window.box.x1 - window.box.x0) + 2 * pictureMargin,
                                 static_cast<int>(window.box.y1 - window.box.y0) + 2 * pictureMargin};
    throw std::runtime_error("the window \"" + title + "\" did not show");
}

// Two frames, as a person would see the window once it has settled (a tab bar lays itself out in the
// first).
Picture interfacePicture(Simulator& simulator, const std::string& title) {
    renderFrame(simulator);
    renderFrame(simulator);
    const halvex::host::Canvas& frame = *simulator.game.lastFrame();
    return Picture{canvasScene(frame.size(), frame.texts()), simulator.ui.drawData(),
                   &simulator.ui.fontTexture(), windowRegion(simulator, title)};
}

class PictureFiles {
public:
    PictureFiles(Simulator& simulator, const PlayOptions& options, std::ostream& report)
        : simulator(simulator), options(options), report(report) {}

    void write(const Picture& picture, const char* name) {
        const std::string path = outPicturePath(options, name);
        std::string message;
        if (!simulator.pictures.write(picture, path, message)) throw output::OutputError(message);
        report << "wrote " << platform::terminalText(path) << '\n';
    }

private:
    Simulator& simulator;
    const PlayOptions& options;
    std::ostream& report;
};

void writePictures(Simulator& simulator, const SessionResult& result, const CanvasSnapshot& overlay,
                   const PlayOptions& options, std::ostream& report) {
    PictureFiles files(simulator, options, report);
    files.write(Picture{canvasScene(overlay.size, overlay.texts), nullptr, nullptr,
                        canvasTextRegion(overlay.size, overlay.texts, pictureMargin)},
                out_pictures::overlay);
    files.write(
        Picture{speedChartScene(result.windows, result.targetAccuracy), nullptr, nullptr, std::nullopt},
        out_pictures::speed);

    simulator.ui.setSettingsShown(true);
    files.write(interfacePicture(simulator, HostInterface::settingsTitle), out_pictures::settings);
    simulator.ui.setSettingsShown(false);

    Halvex::Plugin::PluginWindow* window = simulator.plugin->pluginWindow();
    if (!window || !simulator.ui.toggleMenu(window->GetMenuName()))
        throw std::runtime_error("the plugin has no window to picture");
    files.write(interfacePicture(simulator, window->GetMenuTitle()), out_pictures::window);
    simulator.ui.toggleMenu(window->GetMenuName());
}

constexpr int writeFailed = 1;
constexpr int cannotPlay = 2;

int fail(std::ostream& out, std::ostream& err, const std::exception& error, int status) {
    out << std::flush;
    err << "kadenzo-sim play: " << platform::terminalText(error.what()) << std::endl;
    return status;
}

// A session in progress: the simulator, the CSV written as it goes, and the overlay pictured in it.
class PlayRun {
public:
    PlayRun(const PlayOptions& options, const std::string& defaultPluginPath, std::ostream& out,
            std::ostream& report)
        : options(options), out(out), report(report) {
        simulator.defaultPluginPath = defaultPluginPath;
    }

    // Before anything else: the settings kept in CONFIGPATH (none for ""). Throws KeptFileError.
    void readSettings(const std::string& configPath, std::ostream& warnings) {
        settings = PersistedSettings::read(configPath, simulator.host, warnings);
    }

    // The plugin unloaded (a failure of its entry points reported, as kadenzo-sim does at exit), then
    // the settings written. Returns STATUS as writing the settings leaves it.
    int finish(int status, std::ostream& err) {
        try {
            unloadPlugin(simulator);
        } catch (const std::exception& failure) {
            err << "kadenzo-sim: " << platform::terminalText(failure.what()) << std::endl;
        }
        out << std::flush;
        return settings.writeAtExit(simulator.host, status, err);
    }

    // Everything up to the summary; the CSV file is created only once the plugin has loaded and taken
    // the session's settings.
    // WARNINGS gets a line for each --set value its variable clamped.
    SessionResult play(std::ostream& warnings) {
        loadPlugin(simulator, options.pluginPath);
        for (const std::string& clamped : prepareSession(simulator, options))
            warnings << platform::terminalText(clamped) << '\n';
        if (!options.csvPath.empty()) csv.emplace(options.csvPath, out);
        SessionEvents events;
        events.started = [this](const CoachSettings& settings) {
            report << describeCoachSettings(settings) << '\n';
        };
        events.windowClosed = [this](std::size_t index, const TenAttemptWindow& window,
                                     const std::optional<std::string>& held) {
            report << windowLine(index, window, held) << '\n';
        };
        events.attempted = [this](long long played, const AttemptRecord& attempt) {
            afterAttempt(played, attempt);
        };
        return playSession(simulator, options, events);
    }

    // The CSV put in place, then the pictures, in a folder made only now.
    void writeFiles(const SessionResult& result) {
        if (csv) {
            csv->finish();
            if (!csvToStandardOutput(options))
                report << "wrote " << platform::terminalText(options.csvPath) << '\n';
        }
        if (options.outDirectory.empty()) return;
        createOutFolder(options);
        writePictures(simulator, result, overlay, options, report);
    }

private:
    void afterAttempt(long long played, const AttemptRecord& attempt) {
        if (csv) csv->add(played, attempt);
        if (options.outDirectory.empty() || played != overlayAttempt(options.attempts)) return;
        simulator.game.setCanvasSize(Vector2{1920, 1080});
        renderFrame(simulator);
        overlay = CanvasSnapshot{simulator.game.canvasSize(), simulator.game.lastFrame()->texts()};
    }

    const PlayOptions& options;
    std::ostream& out;
    std::ostream& report;
    Simulator simulator;
    PersistedSettings settings;
    std::optional<AttemptsCsv> csv;
    CanvasSnapshot overlay;
};

} // namespace

int runPlay(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
            std::ostream& out, std::ostream& err, const std::string& configPath) {
    PlayOptions options;
    try {
        if (asksForHelp(arguments)) {
            out << playHelp();
            return 0;
        }
        options = parsePlayOptions(arguments, defaultPluginPath);
    } catch (const std::exception& error) {
        return fail(out, err, error, cannotPlay);
    }
    // With the CSV on standard output, the report goes to standard error, so that the two stay apart.
    std::ostream& report = csvToStandardOutput(options) ? err : out;
    PlayRun run(options, defaultPluginPath, out, report);
    try {
        run.readSettings(configPath, err);
    } catch (const KeptFileError& error) {
        return fail(out, err, error, cannotPlay);
    }
    SessionResult result;
    try {
        result = run.play(err);
    } catch (const output::OutputError& error) {
        return run.finish(fail(out, err, error, writeFailed), err);
    } catch (const std::exception& error) {
        return run.finish(fail(out, err, error, cannotPlay), err);
    }
    report << sessionSummary(result);
    try {
        run.writeFiles(result);
    } catch (const std::exception& error) {
        return run.finish(fail(out, err, error, writeFailed), err);
    }
    return run.finish(0, err);
}

} // namespace kadenzo::sim
