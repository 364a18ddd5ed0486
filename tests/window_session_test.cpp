// The desktop window's session without a window: its frames are driven as a platform would drive them,
// with the display size and the pointer and keys given straight to Dear ImGui, so that the panels, the
// chart, the automatic player, the keys and the game view are checked on every platform.
//   Pieces     the chart's windows, the game view's placement, the panels' layout, the player's pace, the
//              options
//   Session    the real plugin in a session: attempts, the player, keys, buttons, errors, scripts, what
//              keeps the plugin from acting, the chart's titles
//   Clicking   every label of the first frame clicked through the console, as a script clicks
//
// Index of this file:
// - Pieces
// - Session
// - Clicking what the window shows
#include "built_modules.h"
#include "error_message.h"
#include "host_ui/ui_readback.h"
#include "play/play_session.h"
#include "render/current_imgui_context.h"
#include "window/window_options.h"
#include "window/window_layout.h"
#include "window/window_session.h"

#include <gtest/gtest.h>
#include <imgui.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;

// ---- Pieces ------------------------------------------------------------------------------------

TEST(LiveChart, ClosesAWindowEveryTenAttemptsWithItsAccuracyAndSpeeds) {
    LiveChart chart;
    std::optional<TenAttemptWindow> closed;
    for (int attempt = 0; attempt < 10; ++attempt) {
        EXPECT_FALSE(closed) << "closed after " << attempt << " attempts";
        closed = chart.add(attempt < 7, 1.25f, attempt == 9 ? 1.3f : 1.25f);
    }
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->successes, 7);
    EXPECT_FLOAT_EQ(closed->speedDuring, 1.25f);
    EXPECT_FLOAT_EQ(closed->speedAfter, 1.3f);
    EXPECT_EQ(chart.accuracies(), (std::deque<float>{0.7f}));
    EXPECT_EQ(chart.windowsClosed(), 1u);

    for (std::size_t attempt = 0; attempt < LiveChart::attemptsKept; ++attempt)
        chart.add(false, 2.0f, 2.0f);
    EXPECT_EQ(chart.speeds().size(), LiveChart::attemptsKept) << "only the newest attempts are kept";
    EXPECT_FLOAT_EQ(chart.speeds().front(), 2.0f);
    EXPECT_EQ(chart.attempts(), 10 + static_cast<long long>(LiveChart::attemptsKept));
}

TEST(GameViewPlacement, TheCanvasFillsTheDisplayAsFarAsItsShapeAllowsCentred) {
    const ViewRect wide = fitCanvas(Vector2{1920, 1080}, ImVec2(1600.0f, 1000.0f));
    EXPECT_FLOAT_EQ(wide.x, 0.0f);
    EXPECT_FLOAT_EQ(wide.y, 50.0f);
    EXPECT_FLOAT_EQ(wide.width, 1600.0f);
    EXPECT_FLOAT_EQ(wide.height, 900.0f);
    const ViewRect square = fitCanvas(Vector2{1080, 1080}, ImVec2(1600.0f, 900.0f));
    EXPECT_FLOAT_EQ(square.x, 350.0f);
    EXPECT_FLOAT_EQ(square.width, 900.0f);
    EXPECT_FLOAT_EQ(fitCanvas(Vector2{1920, 1080}, ImVec2(0.0f, 900.0f)).width, 0.0f);
}

// The window's options read as every command's do: a value after '=' as well, none empty, and "--" ending
// them (the window takes no operand after it).
TEST(WindowOptions, AValueFollowsItsOptionOrAnEqualsSignAndDashDashEndsTheOptions) {
    const WindowOptions options =
        parseWindowOptions({"--frames=3", "--width=800", "--height", "600", "--"}, "plugin.so");
    EXPECT_EQ(options.frames, 3);
    EXPECT_EQ(options.width, 800);
    EXPECT_EQ(options.height, 600);
    const auto errorOf = [](const std::vector<std::string>& arguments) {
        return messageOf<ConsoleError>([&] { parseWindowOptions(arguments, "plugin.so"); });
    };
    EXPECT_EQ(errorOf({"--frames="}), "--frames needs a whole number");
    EXPECT_EQ(errorOf({"--script", ""}), "--script needs a file name");
    EXPECT_EQ(errorOf({"--frames=0"}), "--frames must be a whole number of at least 1, not \"0\"");
    EXPECT_EQ(errorOf({"--", "--frames", "3"}), "unexpected argument \"--frames\"");
}

bool overlap(const WindowPlace& first, const WindowPlace& second) {
    return first.x < second.x + second.width && second.x < first.x + first.width &&
           first.y < second.y + second.height && second.y < first.y + first.height;
}

std::string describe(const char* name, const WindowPlace& place) {
    return std::string(name) + " " + std::to_string(place.x) + "," + std::to_string(place.y) + " " +
           std::to_string(place.width) + " x " + std::to_string(place.height);
}

TEST(WindowLayout, ThePanelsAndTheHostsWindowsFitBelowTheMenuBarWithoutOverlapping) {
    const ImVec2 sizes[] = {{1024, 640}, {1280, 720}, {1600, 900}, {1920, 1080}};
    for (const ImVec2 size : sizes) {
        SCOPED_TRACE(std::to_string(size.x) + " x " + std::to_string(size.y));
        const ViewRect canvas = fitCanvas(Vector2{1920, 1080}, size);
        const WindowLayout layout = layoutWindow(size.x, size.y, canvas);
        const std::pair<const char*, WindowPlace> places[] = {{"settings", layout.settings},
                                                              {"plugin window", layout.pluginWindow},
                                                              {"training", layout.training},
                                                              {"console", layout.console}};
        for (const auto& [name, place] : places) {
            EXPECT_GE(place.x, 0.0f) << describe(name, place);
            EXPECT_GE(place.y, menuBarHeight) << describe(name, place);
            EXPECT_LE(place.x + place.width, size.x) << describe(name, place);
            EXPECT_LE(place.y + place.height, size.y) << describe(name, place);
            for (const auto& [otherName, other] : places) {
                if (&place == &other) continue;
                EXPECT_FALSE(overlap(place, other))
                    << describe(name, place) << " and " << describe(otherName, other);
            }
        }
        // Room for what each shows: the settings page's longest label beside its slider, the Training
        // panel's rows of buttons and sliders and its chart, a few lines of the log as wide as the lines of
        // ten-attempt windows.
        EXPECT_GE(layout.settings.width, 600.0f);
        EXPECT_GE(layout.settings.height, 400.0f);
        EXPECT_GE(layout.training.width, 380.0f);
        EXPECT_GE(layout.training.height, 490.0f);
        EXPECT_GE(layout.console.width, 450.0f);
        EXPECT_GE(layout.console.height, 180.0f);
        EXPECT_GE(layout.pluginWindow.width, 160.0f);
        EXPECT_GE(layout.pluginWindow.height, 120.0f);
        EXPECT_GE(layout.chartHeight, 40.0f);
        if (size.y >= 720) {
            EXPECT_GE(layout.training.y, canvas.y + canvas.height / 4) << "the overlay shows above the panel";
        }
    }
}

TEST(AutoPlayer, TakesAnAttemptEveryFewFramesForItsPaceAndNoneWhenStopped) {
    AutoPlayer player;
    EXPECT_FALSE(player.frameDue());
    player.setPace(20.0f); // every third frame at 60 frames a second
    player.setPlaying(true);
    std::string due;
    for (int frame = 0; frame < 6; ++frame)
        due += player.frameDue() ? 'x' : '.';
    EXPECT_EQ(due, "..x..x");
    player.setPace(1000.0f);
    EXPECT_FLOAT_EQ(player.pace(), AutoPlayer::fastestPace);
    player.setPlaying(false);
    EXPECT_FALSE(player.frameDue());
}

// ---- Session -----------------------------------------------------------------------------------

// The key of whole missed attempts, as the backends report it: its upper-case letter's code.
constexpr int missKey = 'X';

// The display the tests' windows have.
constexpr Vector2 displaySize{1600, 900};

// One frame of SESSION as a window's platform code draws it, with the pointer at POINTER and INPUT given
// to Dear ImGui.
const kadenzo::render::Image* platformFrame(WindowSession& session, ImVec2 pointer,
                                            const std::function<void(ImGuiIO&)>& input = {}) {
    const kadenzo::render::Image* pixels = session.beforeFrame();
    session.interfaceFrame([&] {
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(static_cast<float>(displaySize.X), static_cast<float>(displaySize.Y));
        io.DeltaTime = 1.0f / 60.0f;
        io.MousePos = pointer;
        // Dear ImGui keeps what it is given: a button or key is up unless this frame presses it.
        io.MouseDown[0] = false;
        io.KeysDown[missKey] = false;
        if (input) input(io);
    });
    session.afterFrame();
    return pixels;
}

class WindowSessionTest : public ::testing::Test {
protected:
    void SetUp() override { session.atStart(builtPlugin()); }
    void TearDown() override { session.atExit(); }

    // One frame as a window's platform code draws it, with INPUT given to Dear ImGui.
    const kadenzo::render::Image* frame(const std::function<void(ImGuiIO&)>& input = {}) {
        return platformFrame(session, pointer, input);
    }

    void run(const std::string& line) {
        session.request(line);
        frame();
    }

    void startTraining() {
        for (const char* line : {"slowMoEnabled 1", "training on", "loadround", "restart"})
            run(line);
    }

    std::string logText() const {
        std::string text;
        for (const LogLine& line : session.log().lines())
            text += line.text + '\n';
        return text;
    }

    const ShownWindow* shownWindow(const std::string& title) {
        windows = shownWindows(session.interfaceContext());
        for (const ShownWindow& window : windows)
            if (window.title == title) return &window;
        return nullptr;
    }

    // Presses and releases the left button over the first letters of TEXT in a run of text of the window
    // TITLE, as a person clicks.
    void click(const std::string& title, const std::string& text) {
        frame();
        const ShownWindow* window = shownWindow(title);
        ASSERT_NE(window, nullptr) << title << " is not shown";
        for (const ShownRow& row : window->rows)
            for (const TextRun& run : row.runs)
                if (const std::size_t at = run.text.find(text); at != std::string::npos) {
                    // The font's glyphs are all as wide.
                    const float glyph = (run.box.x1 - run.box.x0) / static_cast<float>(run.text.size());
                    pointer = ImVec2(run.box.x0 + glyph * (static_cast<float>(at) + 1.5f), run.box.centerY());
                    frame();
                    frame([](ImGuiIO& io) { io.MouseDown[0] = true; });
                    frame();
                    return;
                }
        FAIL() << "no \"" << text << "\" in " << title << '\n' << describeWindows(windows);
    }

    // Every row of text of the window TITLE in the last frame, one a line.
    std::string rowsOf(const std::string& title) {
        const ShownWindow* window = shownWindow(title);
        std::string text;
        if (window)
            for (const ShownRow& row : window->rows)
                text += rowText(row) + '\n';
        return text;
    }

    std::ostringstream out;
    std::ostringstream err;
    WindowSession session{builtPlugin(), displaySize, out, err};
    ImVec2 pointer{-1e9f, -1e9f};
    std::vector<ShownWindow> windows;
};

TEST_F(WindowSessionTest, ShowsTheSettingsWindowWithThePluginsPageBesideItsOwnPanels) {
    frame();
    frame();
    const ShownWindow* settings = shownWindow("Settings");
    ASSERT_NE(settings, nullptr);
    bool pageShown = false;
    for (const ShownRow& row : settings->rows)
        pageShown = pageShown || rowText(row) == "Kadenzo plugin settings";
    EXPECT_TRUE(pageShown) << describeWindows(windows);
    EXPECT_NE(shownWindow("Training"), nullptr);
    EXPECT_NE(shownWindow("Console"), nullptr);
    EXPECT_EQ(shownWindow("Kadenzo"), nullptr) << "the plugin's window opens from the menu";

    run("togglemenu Kadenzo");
    frame();
    EXPECT_NE(shownWindow("Kadenzo"), nullptr);
}

TEST_F(WindowSessionTest, WholeAttemptsFillTheChartAndThePluginMovesTheSpeed) {
    startTraining();
    for (int attempt = 0; attempt < 10; ++attempt)
        session.request("success");
    frame();
    EXPECT_EQ(session.chart().windowsClosed(), 1u);
    EXPECT_EQ(session.chart().accuracies(), (std::deque<float>{1.0f}));
    const float raised = session.gameSpeed();
    EXPECT_GT(raised, 1.0f) << "ten successes are above the target accuracy";
    EXPECT_NE(logText().find(windowLine(1, TenAttemptWindow{10, 1.0f, raised})), std::string::npos)
        << logText();
}

TEST_F(WindowSessionTest, TenWholeMissesMakeThePluginSlowTheGame) {
    startTraining();
    for (int attempt = 0; attempt < 10; ++attempt)
        session.request("miss");
    frame();
    EXPECT_EQ(session.chart().accuracies(), (std::deque<float>{0.0f}));
    const float lowered = session.gameSpeed();
    EXPECT_LT(lowered, 1.0f) << "ten misses are below the target accuracy";
    EXPECT_NE(logText().find(windowLine(1, TenAttemptWindow{0, 1.0f, lowered})), std::string::npos)
        << logText();
}

// The game out of custom training (the console's "training off"), which play never is: the window that
// held the speed says so, as does one whose plugin was disabled, and a clamped value is told in the log.
TEST_F(WindowSessionTest, AWindowThatHeldTheSpeedSaysWhy) {
    startTraining();
    run("training off");
    for (int attempt = 0; attempt < 10; ++attempt)
        session.request("success");
    frame();
    EXPECT_NE(logText().find(windowLine(1, TenAttemptWindow{10, 1.0f, 1.0f}) +
                             "  held: the game is not in custom training\n"),
              std::string::npos)
        << logText();
    run("training on");
    run("slowMoEnabled 0");
    for (int attempt = 0; attempt < 10; ++attempt)
        session.request("success");
    frame();
    EXPECT_NE(
        logText().find(windowLine(2, TenAttemptWindow{10, 1.0f, 1.0f}) + "  held: the plugin is disabled\n"),
        std::string::npos)
        << logText();
    run("idealAccuracy 1.5");
    EXPECT_NE(logText().find("idealAccuracy: 1.5 is beyond its range 0 to 1; it holds 1\n"),
              std::string::npos)
        << logText();
}

TEST_F(WindowSessionTest, TheAutomaticPlayerPlaysUntilStopped) {
    startTraining();
    run("player on 60");
    for (int frameIndex = 1; frameIndex < 25; ++frameIndex)
        frame();
    EXPECT_EQ(session.chart().attempts(), 25) << "one attempt a frame at 60 a second";
    EXPECT_EQ(session.chart().windowsClosed(), 2u);
    run("player off");
    frame();
    EXPECT_EQ(session.chart().attempts(), 25);
}

TEST_F(WindowSessionTest, KeysAndButtonsRunTheirConsoleLines) {
    startTraining();
    frame([](ImGuiIO& io) { io.KeysDown[missKey] = true; });
    frame();
    EXPECT_EQ(session.chart().attempts(), 1);
    EXPECT_NE(logText().find("> miss\n"), std::string::npos) << logText();

    click("Training", "Explosion (E)");
    frame();
    EXPECT_NE(logText().find("> explode\n"), std::string::npos) << logText();
}

TEST_F(WindowSessionTest, AFailingLineIsLoggedAndTheSessionGoesOn) {
    run("idealAccuracy lots");
    EXPECT_NE(logText().find("\"lots\" is not a number"), std::string::npos) << logText();
    EXPECT_NE(err.str().find("error: \"lots\" is not a number"), std::string::npos) << err.str();
    run("idealAccuracy 0.8");
    run("idealAccuracy");
    EXPECT_NE(logText().find("idealAccuracy = 0.8"), std::string::npos) << logText();
    EXPECT_NE(out.str().find("idealAccuracy = 0.8"), std::string::npos)
        << "the log goes to standard output too";
    EXPECT_FALSE(session.quitRequested());
    run("quit");
    EXPECT_TRUE(session.quitRequested());
}

// The line typed and the message that repeats it are logged, and echoed, with their control bytes as
// \xNN, as every message of kadenzo-sim shows them.
TEST_F(WindowSessionTest, ControlBytesOfATypedLineAreLoggedAsEscapes) {
    run("idealAccuracy \x1b[31mlots");
    EXPECT_NE(logText().find("> idealAccuracy \\x1B[31mlots\n"), std::string::npos) << logText();
    EXPECT_NE(err.str().find("error: \"\\x1B[31mlots\" is not a number"), std::string::npos) << err.str();
    EXPECT_EQ((logText() + out.str() + err.str()).find('\x1b'), std::string::npos) << "no ESC shown as it is";
}

// The console's quit and exit close the window; they take no arguments.
TEST_F(WindowSessionTest, ExitClosesTheWindowAsQuitDoes) {
    run("exit now");
    EXPECT_NE(logText().find("usage: exit"), std::string::npos) << logText();
    EXPECT_FALSE(session.quitRequested());
    run("exit");
    EXPECT_TRUE(session.quitRequested());
}

TEST_F(WindowSessionTest, AScriptStopsAtItsFirstFailingLineNamingIt) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
    const std::string script = "training on\nplayer sideways\nmiss\n";
    std::fwrite(script.data(), 1, script.size(), file.get());
    std::rewind(file.get());
    ScriptReader reader(file.get(), "start.kz");
    try {
        session.runScript(reader);
        FAIL() << "the script ran to its end";
    } catch (const ConsoleError& error) {
        EXPECT_STREQ(error.what(),
                     "start.kz:2: expected on or off, not \"sideways\" (usage: player on [PACE]|off)");
    }
    EXPECT_TRUE(session.simulator().game.inCustomTraining());
    EXPECT_EQ(session.chart().attempts(), 0) << "nothing after the failing line runs";
}

// What the script schedules with `after` is the script's, however deep: the first of its lines to fail
// ends the session there, naming the script's line, and nothing after it runs. A line a person typed
// fails into the log, and the window goes on.
TEST_F(WindowSessionTest, ALineTheScriptScheduledEndsTheSessionWhenItFails) {
    startTraining();
    run("after 1 idealAccuracy typed");
    frame();
    EXPECT_NE(logText().find("\"typed\" is not a number"), std::string::npos) << logText();
    EXPECT_FALSE(session.closing());
    EXPECT_FALSE(session.scriptFailure());

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
    const std::string script = "after 2 miss\nafter 1 after 1 idealAccuracy lots\nafter 3 miss\n";
    std::fwrite(script.data(), 1, script.size(), file.get());
    std::rewind(file.get());
    ScriptReader reader(file.get(), "start.kz");
    session.runScript(reader);
    frame();
    frame();
    EXPECT_FALSE(session.closing()) << "nothing of the script's has failed yet\n" << logText();
    frame();
    ASSERT_TRUE(session.closing()) << logText();
    EXPECT_EQ(
        session.scriptFailure(),
        std::optional<std::string>("start.kz:2: \"lots\" is not a number (idealAccuracy takes a number)"));
    EXPECT_FALSE(session.quitRequested());
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(session.chart().attempts(), 1) << "the miss due with the failing line ran before it, no other";
    EXPECT_EQ(logText().find("\"lots\""), logText().rfind("\"lots\"")) << "the failure is not logged\n"
                                                                       << logText();
}

TEST_F(WindowSessionTest, TheGameViewRendersTheCanvasOnlyWhenItChanges) {
    const kadenzo::render::Image* first = frame();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width, 1920);
    EXPECT_EQ(first->height, 1080);
    EXPECT_EQ(frame(), nullptr) << "nothing changed";
    for (const char* line : {"slowMoEnabled 1", "training on", "loadround", "restart"})
        session.request(line);
    EXPECT_NE(frame(), nullptr) << "the overlay appeared";
    EXPECT_EQ(frame(), nullptr);

    kadenzo::render::CurrentImGuiContext current(session.interfaceContext());
    auto* texture = reinterpret_cast<ImTextureID>(std::uintptr_t{7});
    ImDrawData* view = session.gameView().drawData(texture, ImVec2(1600.0f, 1000.0f), ImVec2(1.0f, 1.0f));
    ASSERT_EQ(view->CmdListsCount, 1);
    const ImDrawList& list = *view->CmdLists[0];
    ASSERT_EQ(list.CmdBuffer.Size, 1);
    EXPECT_EQ(list.CmdBuffer[0].TextureId, texture);
    EXPECT_EQ(list.CmdBuffer[0].ElemCount, 6u) << "one quad";
    EXPECT_FLOAT_EQ(list.VtxBuffer[0].pos.y, 50.0f) << "letterboxed like fitCanvas";
    {
        auto* other = reinterpret_cast<ImTextureID>(std::uintptr_t{8});
        TextureIdSwap swap(*view, texture, other);
        EXPECT_EQ(list.CmdBuffer[0].TextureId, other);
    }
    EXPECT_EQ(list.CmdBuffer[0].TextureId, texture) << "swapped back";
}

TEST_F(WindowSessionTest, SaysWhatKeepsThePluginFromActingUntilNothingDoes) {
    const std::string disabled = "The plugin is disabled: tick Enable plugin in Settings > Kadenzo";
    const std::string notInTraining = "The game is not in custom training: press Load round";
    frame();
    EXPECT_NE(rowsOf("##MainMenuBar").find(disabled), std::string::npos) << describeWindows(windows);
    EXPECT_NE(rowsOf("Training").find("Plugin: disabled (slowMoEnabled)\nGame: not in training\n"),
              std::string::npos)
        << describeWindows(windows);

    run("player on");
    EXPECT_NE(logText().find(disabled + '\n' + notInTraining + '\n'), std::string::npos)
        << "starting the player says why the plugin will not act\n"
        << logText();
    run("player off");

    run("slowMoEnabled 1");
    frame();
    EXPECT_EQ(rowsOf("##MainMenuBar").find(disabled), std::string::npos) << describeWindows(windows);
    EXPECT_NE(rowsOf("##MainMenuBar").find(notInTraining), std::string::npos) << describeWindows(windows);

    click("Training", "Load round (L)");
    frame();
    EXPECT_EQ(rowsOf("##MainMenuBar").find("The "), std::string::npos) << describeWindows(windows);
    EXPECT_NE(rowsOf("Training").find("Plugin: enabled (slowMoEnabled)\nGame: in custom training\n"),
              std::string::npos)
        << describeWindows(windows);

    run("plugin unload");
    frame();
    EXPECT_NE(rowsOf("##MainMenuBar").find("No plugin is loaded: type plugin load in the console"),
              std::string::npos)
        << describeWindows(windows);
}

TEST_F(WindowSessionTest, TheChartCountsEveryAttemptTheGameSawHoweverItWasMade) {
    startTraining();
    EXPECT_EQ(session.chart().attempts(), 0) << "the restart after loading a round only places the ball";
    run("attempts GGXTN");
    for (const char* line : {"touch", "goal", "restart", "explode", "restart", "success"})
        session.request(line);
    frame();
    click("Training", "Success (S)");
    frame([](ImGuiIO& io) { io.KeysDown[missKey] = true; });
    frame();
    // G G X T N, a goal, an explosion, success, the Success button, the miss key: half succeed.
    EXPECT_EQ(session.chart().attempts(), 10);
    EXPECT_EQ(session.chart().accuracies(), (std::deque<float>{0.5f}));
    EXPECT_NE(rowsOf("Training").find("Attempts: 10\n"), std::string::npos) << describeWindows(windows);
}

TEST_F(WindowSessionTest, TheChartsTitlesStayAboveItsPlots) {
    startTraining();
    for (int attempt = 0; attempt < 12; ++attempt)
        session.request(attempt % 3 ? "success" : "miss");
    frame();
    frame();
    const ShownWindow* training = shownWindow("Training");
    ASSERT_NE(training, nullptr);
    int titles = 0;
    for (const ShownRow& row : training->rows)
        for (const TextRun& run : row.runs) {
            if (run.text.rfind("game speed ", 0) != 0 && run.text.rfind("window accuracy ", 0) != 0) continue;
            ++titles;
            for (const Box& plot : training->frames)
                EXPECT_FALSE(run.box.x0 < plot.x1 && plot.x0 < run.box.x1 && run.box.y0 < plot.y1 &&
                             plot.y0 < run.box.y1)
                    << "\"" << run.text << "\" lies on a plot\n"
                    << describeWindows(windows);
        }
    EXPECT_EQ(titles, 2) << describeWindows(windows);
}

TEST_F(WindowSessionTest, AfterRunsItsLineOnceItsFramesHaveBeenDrawn) {
    run("after 2 idealAccuracy");
    frame();
    EXPECT_EQ(logText().find("idealAccuracy = "), std::string::npos) << "one frame drawn since\n"
                                                                     << logText();
    frame();
    EXPECT_NE(logText().find("> idealAccuracy\nidealAccuracy = 0.7"), std::string::npos) << logText();
    run("after 0 ui");
    EXPECT_NE(logText().find("the number of frames must be"), std::string::npos) << logText();
    run("after 3");
    EXPECT_NE(logText().find("usage: after FRAMES LINE"), std::string::npos) << logText();
}

// ---- Clicking what the window shows ------------------------------------------------------------

// The errors logged when LABEL is clicked through the console (`click LABEL`, as a script or a person
// types it; its frames are the window's own, with scripted input) in a window as it first opens, its
// plugin loaded: one of its own, so that what an earlier click changed does not hide the label.
std::vector<std::string> errorsClicking(const std::string& label) {
    const ImVec2 away(-1e9f, -1e9f);
    std::ostringstream out;
    std::ostringstream err;
    WindowSession session(builtPlugin(), displaySize, out, err);
    session.atStart(builtPlugin());
    platformFrame(session, away);
    platformFrame(session, away);
    session.request("click \"" + label + "\"");
    platformFrame(session, away);
    std::vector<std::string> errors;
    for (const LogLine& line : session.log().lines())
        if (line.kind == LogLine::Kind::error) errors.push_back(line.text);
    session.atExit();
    return errors;
}

// A frame of the console's (`frame`, and every step of `click`) is one of the window's, with the panels
// where the window's layout puts them, even before the window's own first frame.
TEST_F(WindowSessionTest, TheConsolesFramesShowThePanelsAsTheWindowsOwnDo) {
    session.runLine("frame");
    const ShownWindow* training = shownWindow("Training");
    ASSERT_NE(training, nullptr) << describeWindows(windows);
    const ImVec2 display(static_cast<float>(displaySize.X), static_cast<float>(displaySize.Y));
    const WindowPlace place =
        layoutWindow(display.x, display.y, fitCanvas(session.simulator().game.canvasSize(), display)).training;
    EXPECT_EQ(training->box.x0, place.x) << describeWindows(windows);
    EXPECT_EQ(training->box.y0, place.y) << describeWindows(windows);
    EXPECT_NE(shownWindow("##MainMenuBar"), nullptr) << describeWindows(windows);
}

// Every run of text that `ui` lists in the window's first frame (but the windows' titles, which close and
// collapse take) is found by click, however the window shows it: the widgets' labels answer, and a plain
// text is found and said to be no widget. Among them the window's buttons and menus, the settings page's
// tab and every check box.
TEST_F(WindowSessionTest, ClickFindsEveryLabelTheFirstFrameShowsAndEveryWidgetAnswers) {
    frame();
    frame();
    std::set<std::string> labels;
    std::set<std::string> widgets = {"Host",           "Plugins",     "Kadenzo",       "Load round (L)",
                                     "Goal (G)",       "Touch (T)",   "Explosion (E)", "Restart (R)",
                                     "Leave training", "Success (S)", "Miss (X)"};
    for (const ShownWindow& window : shownWindows(session.interfaceContext())) {
        if (!window.takesInput) continue;
        for (const ShownRow& row : window.rows)
            for (const TextRun& run : row.runs) {
                if (window.titleBar.contains(run.box.centerX(), run.box.centerY())) continue;
                ASSERT_EQ(run.text.find('"'), std::string::npos) << "a label the console cannot quote";
                labels.insert(run.text);
                if (run.checkBox != CheckBox::none) widgets.insert(run.text);
            }
    }
    EXPECT_GE(widgets.size(), 20u) << "the check boxes of the settings page and the Training panel";
    std::set<std::string> answered;
    for (const std::string& label : labels) {
        const std::vector<std::string> errors = errorsClicking(label);
        if (errors.empty()) {
            answered.insert(label);
            continue;
        }
        EXPECT_EQ(errors, std::vector<std::string>{
                              "\"" + label + "\" is shown, but no widget there answers to the pointer"});
    }
    for (const std::string& widget : widgets)
        EXPECT_EQ(answered.count(widget), 1u) << "\"" << widget << "\" did not answer a click";
}

} // namespace
