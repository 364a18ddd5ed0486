// `kadenzo-sim window`: the options, then a session in a desktop window.
//   at start   the plugin loaded, the settings window shown, then the script
//   frames     until the window closes, or a fixed number of them; a failing line the script
//              scheduled with `after` closes it and ends the run with status 2
//   at exit    the screenshot, the window closed, the plugin unloaded
// With --config FILE the settings are read into the host before the plugin loads and written after it
// is unloaded (persisted_settings.h).
#include "window/window_command.h"

#include "command_line.h"
#include "console/persisted_settings.h"
#include "output/kept_files.h"
#include "output/run_files.h"
#include "platform/terminal_text.h"
#include "render/png_writer.h"
#include "window/desktop_window.h"
#include "window/window_options.h"
#include "window/window_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace kadenzo::sim {

namespace {

constexpr int failed = 2;
constexpr int writeFailed = 1;
constexpr const char* windowTitle = "Kadenzo - kadenzo-sim window";

int fail(std::ostream& out, std::ostream& err, const std::string& message, int status) {
    out << std::flush;
    err << "kadenzo-sim window: " << platform::terminalText(message) << std::endl;
    return status;
}

using ScriptFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

ScriptFile openScript(const std::string& path) {
    return ScriptFile(path.empty() ? nullptr : std::fopen(path.c_str(), "rb"), &std::fclose);
}

// Everything between the window opening and closing; returns the exit status.
int runSession(WindowSession& session, DesktopWindow& window, const WindowOptions& options, std::FILE* script,
               std::ostream& out, std::ostream& err) {
    try {
        session.atStart(options.pluginPath);
    } catch (const std::exception& error) {
        return fail(out, err, error.what(), failed);
    }
    try {
        if (script) {
            ScriptReader reader(script, options.scriptPath);
            session.runScript(reader);
        }
    } catch (const ScriptUnreadable& error) {
        return fail(out, err, error.what(), failed);
    } catch (const std::exception& error) {
        // "FILE:LINE: message", as console scripts report it.
        out << std::flush;
        err << platform::terminalText(error.what()) << std::endl;
        return failed;
    }
    render::Image lastFrame;
    try {
        lastFrame = window.run(session, framesToRender(options), !options.screenshotPath.empty());
    } catch (const std::exception& error) {
        return fail(out, err, error.what(), failed);
    }
    if (const std::optional<std::string>& failure = session.scriptFailure()) {
        // A line the script scheduled ends the run as the script's own lines do, and no screenshot is
        // written.
        out << std::flush;
        err << platform::terminalText(*failure) << std::endl;
        return failed;
    }
    if (options.screenshotPath.empty()) return 0;
    if (lastFrame.rgba.empty())
        return fail(out, err, "the window closed before its last frame; no screenshot written", writeFailed);
    std::string error;
    if (!render::writePng(options.screenshotPath, lastFrame, error))
        return fail(out, err, error, writeFailed);
    out << "wrote " << platform::terminalText(options.screenshotPath) << std::endl;
    return 0;
}

} // namespace

int runWindow(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
              std::ostream& out, std::ostream& err, const std::string& configPath) {
    WindowOptions options;
    try {
        if (asksForHelp(arguments)) {
            out << windowHelp() << '\n' << windowCommandHelp();
            return 0;
        }
        options = parseWindowOptions(arguments, defaultPluginPath);
    } catch (const std::exception& error) {
        return fail(out, err, error.what(), failed);
    }
    if (!options.scriptPath.empty()) output::declareInput(options.scriptPath, "the script being run");
    const ScriptFile script = openScript(options.scriptPath);
    if (!options.scriptPath.empty() && !script)
        return fail(out, err, "cannot open script " + options.scriptPath + ": " + std::strerror(errno),
                    failed);
    if (!desktopWindowsAvailable()) return fail(out, err, "not available on this platform", failed);

    WindowSession session(defaultPluginPath, Vector2{options.width, options.height}, out, err);
    PersistedSettings settings;
    try {
        settings = PersistedSettings::read(configPath, session.simulator().host, err);
    } catch (const KeptFileError& error) {
        return fail(out, err, error.what(), failed);
    }
    std::string reason;
    std::unique_ptr<DesktopWindow> window =
        openDesktopWindow(windowTitle, options.width, options.height, session.interfaceContext(), reason);
    if (!window) {
        out << std::flush;
        err << "kadenzo-sim: cannot open a window: " << platform::terminalText(reason) << std::endl;
        return failed;
    }
    int status = runSession(session, *window, options, script.get(), out, err);
    window.reset();
    try {
        session.atExit();
    } catch (const std::exception& error) {
        status = fail(out, err, std::string("at exit: ") + error.what(), failed);
    }
    return settings.writeAtExit(session.simulator().host, status, err);
}

} // namespace kadenzo::sim
