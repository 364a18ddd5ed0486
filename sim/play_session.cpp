#include "play_session.h"

#include "ui_readback.h"
#include "usage.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>

namespace kadenzo::sim {

// ---- Options -----------------------------------------------------------------------------------

namespace {

double parseReal(const std::string& option, const std::string& text, double above, double atMost) {
    const auto parsed = halvex::host::parseConsoleNumber(text);
    if (!parsed || !std::isfinite(*parsed) || !(*parsed > above) || !(*parsed <= atMost))
        throw ConsoleError(std::isinf(atMost)
                               ? fmt::format("{} needs a number above {}, not \"{}\"", option, above, text)
                               : fmt::format("{} needs a number above {} and at most {}, not \"{}\"", option,
                                             above, atMost, text));
    return static_cast<double>(*parsed);
}

std::pair<std::string, std::string> parseSetting(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        throw ConsoleError(fmt::format("--set needs NAME=VALUE, not \"{}\"", text));
    std::pair<std::string, std::string> setting{text.substr(0, equals), text.substr(equals + 1)};
    if (!halvex::host::parseConsoleNumber(setting.second))
        throw ConsoleError(fmt::format("--set {}: \"{}\" is not a number", setting.first, setting.second));
    return setting;
}

// Fails now rather than after a long session when the file could not be written at the end.
void checkWritable(const std::string& path) {
    const std::string probe = path + ".tmp";
    std::ofstream file(probe);
    if (!file) throw ConsoleError(fmt::format("--csv: cannot write {}: {}", path, std::strerror(errno)));
    file.close();
    std::remove(probe.c_str());
}

} // namespace

PlayOptions parsePlayOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultPluginPath) {
    PlayOptions options;
    options.pluginPath = defaultPluginPath;
    constexpr double unbounded = HUGE_VAL;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        if (index + 1 >= arguments.size())
            throw ConsoleError(option.rfind("--", 0) == 0
                                   ? fmt::format("{} needs a value", option)
                                   : fmt::format("unexpected argument \"{}\"", option));
        const std::string& value = arguments[++index];
        if (option == "--attempts")
            options.attempts = requireWholeNumber<long long>(value, 1, mostAttempts, option);
        else if (option == "--seed")
            options.seed = requireWholeNumber<std::uint64_t>(
                value, 0, std::numeric_limits<std::uint64_t>::max(), option, "a whole number");
        else if (option == "--comfort-speed")
            options.player.comfortSpeed = parseReal(option, value, 0.0, unbounded);
        else if (option == "--spread")
            options.player.spread = parseReal(option, value, 0.0, unbounded);
        else if (option == "--peak")
            options.player.peak = parseReal(option, value, 0.0, 1.0);
        else if (option == "--set")
            options.settings.push_back(parseSetting(value));
        else if (option == "--csv") {
            checkWritable(value);
            options.csvPath = value;
        } else if (option == "--out") {
            std::error_code error;
            std::filesystem::create_directories(value, error);
            if (error) throw ConsoleError(fmt::format("--out: cannot create {}: {}", value, error.message()));
            options.outDirectory = value;
        } else if (option == "--plugin")
            options.pluginPath = value;
        else
            throw ConsoleError(fmt::format("unknown option \"{}\" (see kadenzo-sim play --help)", option));
    }
    return options;
}

// ---- The session -------------------------------------------------------------------------------

namespace {

halvex::host::ConsoleVariable& requireVariable(Simulator& simulator, const std::string& name,
                                               const char* why) {
    halvex::host::ConsoleVariable* variable = simulator.host.variables().find(name);
    if (!variable) throw ConsoleError(fmt::format("{}: no console variable is named \"{}\"", why, name));
    return *variable;
}

} // namespace

SessionResult playSession(Simulator& simulator, const PlayOptions& options,
                          const std::function<void(std::size_t, const WindowResult&)>& onWindow,
                          const std::function<void(long long)>& onAttempt) {
    for (const auto& setting : options.settings)
        requireVariable(simulator, setting.first, "--set");
    requireVariable(simulator, "slowMoEnabled", "the plugin").setText("1");
    for (const auto& setting : options.settings)
        requireVariable(simulator, setting.first, "--set").setText(setting.second);

    halvex::host::ConsoleVariable& speed =
        requireVariable(simulator, halvex::host::gameSpeedVariable, "the game");
    GameSimulation& game = simulator.game;
    game.setInCustomTraining(true);
    game.fire(game_function::loadRound);
    // Every round begins with the controller's restart; the plugin counts from the next one.
    game.fire(game_function::controllerRestart);

    PlayerModel player(options.player, options.seed);
    SessionResult result;
    result.attempts.reserve(static_cast<std::size_t>(std::min<long long>(options.attempts, 10'000'000)));
    WindowResult window;
    for (long long attempt = 0; attempt < options.attempts; ++attempt) {
        const float speedNow = speed.floatValue();
        if (attempt % 10 == 0) window = WindowResult{0, speedNow, speedNow};
        const bool success = player.attempt(speedNow);
        game.playAttempt(success ? 'G' : 'X');
        result.attempts.push_back(AttemptRecord{success, speedNow});
        window.successes += success ? 1 : 0;
        if (attempt % 10 == 9) {
            window.speedAfter = speed.floatValue();
            result.windows.push_back(window);
            if (onWindow) onWindow(result.windows.size(), window);
        }
        if (onAttempt) onAttempt(attempt + 1);
    }
    const halvex::host::ConsoleVariable* target = simulator.host.variables().find("idealAccuracy");
    result.targetAccuracy = target ? target->floatValue() : 0.0f;
    result.finalSpeed = speed.floatValue();
    return result;
}

// ---- Reports -----------------------------------------------------------------------------------

std::string windowLine(std::size_t windowIndex, const WindowResult& window) {
    return fmt::format("window {:>4}  attempts {:>5}-{:<5}  {:>2}/10  speed {:.2f} -> {:.2f}", windowIndex,
                       (windowIndex - 1) * 10 + 1, windowIndex * 10, window.successes, window.speedDuring,
                       window.speedAfter);
}

std::string sessionSummary(const SessionResult& result) {
    const std::size_t total = result.attempts.size();
    std::size_t successes = 0;
    for (const AttemptRecord& attempt : result.attempts)
        successes += attempt.success ? 1 : 0;
    const std::size_t recentCount = std::min<std::size_t>(total, 100);
    std::size_t recentSuccesses = 0;
    for (std::size_t index = total - recentCount; index < total; ++index)
        recentSuccesses += result.attempts[index].success ? 1 : 0;
    const double targetPercent = static_cast<double>(result.targetAccuracy) * 100.0;
    std::size_t nearTarget = 0;
    for (const WindowResult& window : result.windows)
        if (std::fabs(window.successes * 10.0 - targetPercent) <= 10.0 + 1e-3) ++nearTarget;
    const auto percent = [](std::size_t part, std::size_t whole) {
        return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
    };
    return fmt::format("attempts             {}\n"
                       "total accuracy       {:.1f}% ({} of {})\n"
                       "last 100 accuracy    {:.1f}% ({} of {})\n"
                       "final speed          {:.2f} ({}%)\n"
                       "windows near target  {} of {} within 10 points of {:.0f}%\n",
                       total, percent(successes, total), successes, total,
                       percent(recentSuccesses, recentCount), recentSuccesses, recentCount, result.finalSpeed,
                       static_cast<long long>(std::lround(result.finalSpeed * 100.0)), nearTarget,
                       result.windows.size(), targetPercent);
}

void writeAttemptsCsv(const SessionResult& result, const std::string& path) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary);
        if (!file) throw std::runtime_error(fmt::format("cannot write {}: {}", path, std::strerror(errno)));
        file << "attempt,outcome,speed\n";
        for (std::size_t index = 0; index < result.attempts.size(); ++index)
            file << index + 1 << ',' << (result.attempts[index].success ? "success" : "miss") << ','
                 << halvex::host::formatConsoleFloat(result.attempts[index].speed) << '\n';
        file.flush();
        if (!file) {
            std::remove(temporary.c_str());
            throw std::runtime_error(fmt::format("cannot write {}: {}", path, std::strerror(errno)));
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw std::runtime_error(fmt::format("cannot write {}: {}", path, error.message()));
    }
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
    PictureFiles(Simulator& simulator, const std::string& directory, std::ostream& out)
        : simulator(simulator), directory(directory), out(out) {}

    void write(const Picture& picture, const char* name) {
        // Forward slashes on every platform, so that the report reads the same everywhere.
        const std::string path = (std::filesystem::path(directory) / name).generic_string();
        std::string message;
        if (!simulator.pictures.write(picture, path, message)) throw std::runtime_error(message);
        out << "wrote " << path << '\n';
    }

private:
    Simulator& simulator;
    const std::string& directory;
    std::ostream& out;
};

void writePictures(Simulator& simulator, const SessionResult& result, const CanvasSnapshot& overlay,
                   const std::string& directory, std::ostream& out) {
    PictureFiles files(simulator, directory, out);
    files.write(Picture{canvasScene(overlay.size, overlay.texts), nullptr, nullptr,
                        canvasTextRegion(overlay.size, overlay.texts, pictureMargin)},
                "overlay.png");
    files.write(
        Picture{speedChartScene(result.windows, result.targetAccuracy), nullptr, nullptr, std::nullopt},
        "speed.png");

    simulator.ui.setSettingsShown(true);
    files.write(interfacePicture(simulator, HostInterface::settingsTitle), "settings.png");
    simulator.ui.setSettingsShown(false);

    Halvex::Plugin::PluginWindow* window = simulator.plugin->pluginWindow();
    if (!window || !simulator.ui.toggleMenu(window->GetMenuName()))
        throw std::runtime_error("the plugin has no window to picture");
    files.write(interfacePicture(simulator, window->GetMenuTitle()), "window.png");
    simulator.ui.toggleMenu(window->GetMenuName());
}

} // namespace

int runPlay(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
            std::ostream& out, std::ostream& err) {
    for (const std::string& argument : arguments)
        if (argument == "--help" || argument == "-h") {
            out << playHelp();
            return 0;
        }
    Simulator simulator;
    simulator.defaultPluginPath = defaultPluginPath;
    PlayOptions options;
    SessionResult result;
    CanvasSnapshot overlay;
    try {
        options = parsePlayOptions(arguments, defaultPluginPath);
        loadPlugin(simulator, options.pluginPath);
        const long long pictured = overlayAttempt(options.attempts);
        result = playSession(
            simulator, options,
            [&out](std::size_t index, const WindowResult& window) {
                out << windowLine(index, window) << '\n';
            },
            [&](long long played) {
                if (options.outDirectory.empty() || played != pictured) return;
                simulator.game.setCanvasSize(Vector2{1920, 1080});
                renderFrame(simulator);
                overlay = CanvasSnapshot{simulator.game.canvasSize(), simulator.game.lastFrame()->texts()};
            });
    } catch (const std::exception& error) {
        out << std::flush;
        err << "kadenzo-sim play: " << error.what() << std::endl;
        return 2;
    }
    out << sessionSummary(result);
    try {
        if (!options.csvPath.empty()) {
            writeAttemptsCsv(result, options.csvPath);
            out << "wrote " << options.csvPath << '\n';
        }
        if (!options.outDirectory.empty())
            writePictures(simulator, result, overlay, options.outDirectory, out);
    } catch (const std::exception& error) {
        out << std::flush;
        err << "kadenzo-sim play: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}

} // namespace kadenzo::sim
