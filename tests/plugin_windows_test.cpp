// The plugin's settings page and window, drawn through the host's interface in real Dear ImGui frames
// and driven with the pointer and keyboard; what was drawn is read back from the frames.
#include "plugin_fixture.h"

#include "host_interface.h"
#include "ui_driver.h"
#include "ui_readback.h"

#include <imgui.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace {

using kadenzo::sim::HostInterface;
using kadenzo::sim::ShownWindow;
using kadenzo::sim::UiDriver;

const std::string settingsHeading = "Kadenzo plugin settings";

// The rows of text and separators the window of that title showed in the last frame, as `ui` prints
// them.
std::vector<std::string> rowsOf(const HostInterface& ui, const std::string& title) {
    std::vector<std::string> rows;
    for (const ShownWindow& window : kadenzo::sim::shownWindows(ui.context()))
        if (window.title == title)
            for (const auto& row : window.rows)
                rows.push_back(kadenzo::sim::rowText(row));
    return rows;
}

bool shows(const HostInterface& ui, const std::string& title) {
    const auto windows = kadenzo::sim::shownWindows(ui.context());
    return std::any_of(windows.begin(), windows.end(), [&](const ShownWindow& w) { return w.title == title; });
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

// The plugin loaded, with the host's interface handed to it; the host runs the plugin's togglemenu
// commands after each frame, as its console does.
class PluginWindows : public PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        host.setCommandHandler([this](const std::string& command) { commands.push_back(command); });
        ui.attach(plugin, plugin);
        takeTrace();
    }

    void TearDown() override {
        ui.detach();
        PluginFixture::TearDown();
    }

    void frame() {
        ui.frame(Vector2{1280, 720});
        while (!commands.empty()) {
            const std::string command = commands.front();
            commands.pop_front();
            if (command.rfind("togglemenu ", 0) == 0) ui.toggleMenu(command.substr(11));
        }
    }

    std::vector<std::string> writes() { return linesStartingWith(takeTrace(), "plugin set "); }
    std::vector<std::string> issued() { return linesStartingWith(takeTrace(), "plugin command "); }

    HostInterface ui{host};
    UiDriver driver{ui, [this] { frame(); }};
    std::deque<std::string> commands;
};

// ---- Settings page -----------------------------------------------------------------------------

TEST_F(PluginWindows, PageShowsTheRowsWithSeparatorsAfterTheCheckBoxesOnly) {
    ui.setSettingsShown(true);
    frame();
    frame();
    const std::vector<std::string> expected = {
        "Settings",
        "Kadenzo",
        settingsHeading,
        "Enable plugin",
        "---",
        "Touching the ball counts as success",
        "---",
        "0.700  Accuracy threshold at last 10 shots to change speed.",
        "0.050  Value of speed increment",
        "150  Maximum speed limit",
        "50  Minimum speed limit.",
        "Show curr streak",
        "---",
        "Show status bar",
        "---",
        "Show game speed",
        "---",
        "Show previous accuracy",
        "---",
        "Show show total shots count",
        "---",
        "Show show total accuracy",
        "---",
        "Show show last 100 shots accuracy",
        "---",
    };
    EXPECT_EQ(rowsOf(ui, HostInterface::settingsTitle), expected);
    EXPECT_EQ(writes(), std::vector<std::string>{}) << "drawing alone writes nothing";
}

TEST_F(PluginWindows, CheckBoxesWriteOneAndZeroThroughTheIntegerSetter) {
    ui.setSettingsShown(true);
    frame();
    driver.clickLabel("Enable plugin");
    EXPECT_TRUE(*plugin->slowMoEnabled);
    driver.clickLabel("Enable plugin");
    EXPECT_FALSE(*plugin->slowMoEnabled);
    driver.clickLabel("Show status bar");
    EXPECT_EQ(writes(), (std::vector<std::string>{"plugin set slowMoEnabled 1 (int)",
                                                  "plugin set slowMoEnabled 0 (int)",
                                                  "plugin set showStatus 0 (int)"}));
}

TEST_F(PluginWindows, SlidersWriteWhatIsTypedAndOnlyTheirOwnVariable) {
    ui.setSettingsShown(true);
    frame();
    driver.slide("Minimum speed limit.", "140");
    driver.slide("Maximum speed limit", "60");
    driver.slide("Value of speed increment", "0.25");
    EXPECT_EQ(writes(), (std::vector<std::string>{"plugin set slowMoMinSpeed 140 (int)",
                                                  "plugin set slowMoMaxSpeed 60 (int)",
                                                  "plugin set slowMoSpeedIncrement 0.25"}));
    EXPECT_EQ(*plugin->slowMoMinSpeed, 140) << "the minimum may stand above the maximum";
    EXPECT_EQ(*plugin->slowMoMaxSpeed, 60);
}

TEST_F(PluginWindows, AValueBeyondTheSliderIsShownAndKeptWhileTheSliderIsLeftAlone) {
    set("slowMoMaxSpeed", "180");
    ui.setSettingsShown(true);
    frame();
    driver.hoverLabel("Maximum speed limit");
    driver.clickLabel("Enable plugin");
    EXPECT_EQ(writes(), std::vector<std::string>{"plugin set slowMoEnabled 1 (int)"});
    const auto rows = rowsOf(ui, HostInterface::settingsTitle);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "180  Maximum speed limit"), rows.end());
    EXPECT_EQ(*plugin->slowMoMaxSpeed, 180);
}

TEST_F(PluginWindows, TooltipsForTheFirstSixRowsOnly) {
    struct Row {
        const char* label;
        const char* tooltip;
    };
    const Row rows[] = {
        {"Enable plugin", "Enable/Disable slow motion plugin"},
        {"Touching the ball counts as success", "Touching the ball counts as success (useful for defense training)"},
        {"Accuracy threshold at last 10 shots to change speed.", "Accuracy threshold at last 10 shots to change speed."},
        {"Value of speed increment", "The value to add or subtract from game speed."},
        {"Maximum speed limit", "Maximum speed limit."},
        {"Minimum speed limit.", "Minimum speed limit."},
        {"Show curr streak", nullptr},
        {"Show status bar", nullptr},
        {"Show game speed", nullptr},
        {"Show previous accuracy", nullptr},
        {"Show show total shots count", nullptr},
        {"Show show total accuracy", nullptr},
        {"Show show last 100 shots accuracy", nullptr},
    };
    static_assert(sizeof(rows) / sizeof(rows[0]) == 13, "one entry per row of the page");
    ui.setSettingsShown(true);
    frame();
    for (const Row& row : rows) {
        driver.hoverLabel(row.label);
        const auto shown = rowsOf(ui, "##Tooltip_00");
        if (row.tooltip)
            EXPECT_EQ(shown, std::vector<std::string>{row.tooltip}) << row.label;
        else
            EXPECT_TRUE(shown.empty()) << row.label;
    }
    EXPECT_EQ(writes(), std::vector<std::string>{}) << "hovering writes nothing";
}

// A host whose console lacks some of the plugin's variables: before onLoad, or a host that dropped one.
class PartialConsole : public ::testing::Test {
protected:
    void SetUp() override {
        getPlugin();
        plugin = pluginInstance.get();
        plugin->cvarManager = host.makeCvarManager(id);
        plugin->gameWrapper = host.makeGameWrapper(id);
        ui.attach(plugin, plugin);
        ui.setSettingsShown(true);
    }
    void TearDown() override {
        ui.detach();
        deleteMe();
    }
    void add(const char* name, const char* value) {
        host.variables().add(name, value, "", halvex::host::VariableRange{});
    }
    std::vector<std::string> page() {
        ui.frame(Vector2{1280, 720});
        ui.frame(Vector2{1280, 720});
        auto rows = rowsOf(ui, HostInterface::settingsTitle);
        rows.erase(rows.begin(), rows.begin() + 2); // the window's title and the plugin's tab
        return rows;
    }

    halvex::host::HostState host;
    halvex::host::PluginId id = host.addPlugin();
    Kadenzo* plugin = nullptr;
    HostInterface ui{host};
};

TEST_F(PartialConsole, NothingRegisteredShowsOnlyTheHeading) {
    EXPECT_EQ(page(), std::vector<std::string>{settingsHeading});
}

TEST_F(PartialConsole, AMissingSpeedLimitEndsThePageBeforeBothSliders) {
    add("slowMoEnabled", "1");
    add("onTouchEnabled", "0");
    add("idealAccuracy", "0.5");
    add("slowMoSpeedIncrement", "0.1");
    add("slowMoMaxSpeed", "120");
    add("showCurrStreak", "1");
    EXPECT_EQ(page(), (std::vector<std::string>{settingsHeading, "Enable plugin", "---",
                                                "Touching the ball counts as success", "---",
                                                "0.500  Accuracy threshold at last 10 shots to change speed.",
                                                "0.100  Value of speed increment"}));
}

// ---- Plugin window -----------------------------------------------------------------------------

TEST_F(PluginWindows, CloseButtonIssuesTheCommandOnceAndTheHostClosesTheMenu) {
    ui.toggleMenu("Kadenzo");
    frame();
    EXPECT_TRUE(shows(ui, "Kadenzo"));
    driver.closeWindow("Kadenzo");
    EXPECT_EQ(issued(), std::vector<std::string>{"plugin command \"togglemenu Kadenzo\""});
    EXPECT_FALSE(ui.menuOpen());
    EXPECT_FALSE(plugin->isWindowOpen);
    EXPECT_FALSE(shows(ui, "Kadenzo"));
}

TEST_F(PluginWindows, ACollapsedWindowIssuesNothingEvenWhenItsFlagIsClear) {
    ui.toggleMenu("Kadenzo");
    frame();
    driver.collapseWindow("Kadenzo");
    plugin->isWindowOpen = false;
    frame();
    frame();
    EXPECT_EQ(issued(), std::vector<std::string>{});
    EXPECT_TRUE(ui.menuOpen());
}

TEST_F(PluginWindows, OpeningAndClosingWithoutAFrameIssuesNothing) {
    ui.toggleMenu("Kadenzo");
    ui.toggleMenu("Kadenzo");
    frame();
    EXPECT_EQ(issued(), std::vector<std::string>{});
    EXPECT_FALSE(plugin->isWindowOpen);
}

TEST_F(PluginWindows, AVisibleWindowWithItsFlagClearIssuesTheCommandInThatCall) {
    ui.frame(Vector2{1280, 720});
    ImGui::NewFrame();
    plugin->RenderWindow(); // never opened: the flag is still clear
    EXPECT_EQ(issued(), std::vector<std::string>{"plugin command \"togglemenu Kadenzo\""});
    plugin->RenderWindow();
    EXPECT_EQ(issued().size(), 1u) << "issued again in every call that finds it clear";
    ImGui::EndFrame();
}

TEST_F(PluginWindows, MenuTitleIsAnIndependentCopy) {
    std::string title = plugin->GetMenuTitle();
    title += " changed";
    EXPECT_EQ(plugin->GetMenuTitle(), "Kadenzo");
    ui.toggleMenu("Kadenzo");
    frame();
    EXPECT_TRUE(shows(ui, "Kadenzo"));
    EXPECT_EQ(plugin->GetPluginName(), "Kadenzo");
    EXPECT_EQ(plugin->GetMenuName(), "Kadenzo");
    EXPECT_TRUE(plugin->IsActiveOverlay());
}

// ---- Context and input routing -----------------------------------------------------------------

TEST_F(PluginWindows, ShouldBlockInputFollowsEitherCaptureFlag) {
    frame();
    ImGuiIO& io = ImGui::GetIO();
    for (const bool mouse : {false, true})
        for (const bool keyboard : {false, true}) {
            io.WantCaptureMouse = mouse;
            io.WantCaptureKeyboard = keyboard;
            EXPECT_EQ(plugin->ShouldBlockInput(), mouse || keyboard) << mouse << keyboard;
        }
}

TEST_F(PluginWindows, TheHostTracesWhenThePluginStartsAndStopsWantingTheInput) {
    ui.setSettingsShown(true);
    frame();
    driver.hover(100, 100);
    driver.hover(1000, 600);
    EXPECT_EQ(linesStartingWith(takeTrace(), "host "),
              (std::vector<std::string>{"host input blocked", "host input passed"}));
}

TEST_F(PluginWindows, EitherInterfaceSetsTheSameContextAndTheLastCallWins) {
    ImGuiContext* first = ImGui::CreateContext();
    ImGuiContext* second = ImGui::CreateContext();
    Halvex::Plugin::PluginSettingsWindow& page = *plugin;
    Halvex::Plugin::PluginWindow& window = *plugin;
    page.SetImGuiContext(reinterpret_cast<std::uintptr_t>(first));
    EXPECT_EQ(ImGui::GetCurrentContext(), first);
    window.SetImGuiContext(reinterpret_cast<std::uintptr_t>(second));
    EXPECT_EQ(ImGui::GetCurrentContext(), second);
    page.SetImGuiContext(reinterpret_cast<std::uintptr_t>(first));
    EXPECT_EQ(ImGui::GetCurrentContext(), first);
    ImGui::DestroyContext(second);
    ImGui::DestroyContext(first);
}

TEST_F(PluginWindows, BeforeAnyContextNothingIsDrawnAndNoInputIsWanted) {
    ImGui::SetCurrentContext(nullptr);
    plugin->OnOpen();
    plugin->isWindowOpen = false;
    plugin->RenderWindow();
    plugin->RenderSettingsPanel();
    EXPECT_FALSE(plugin->ShouldBlockInput());
    EXPECT_EQ(takeTrace(), std::vector<std::string>{});
}

} // namespace
