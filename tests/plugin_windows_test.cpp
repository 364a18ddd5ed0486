// The plugin's settings page and window, drawn through the host's interface in real Dear ImGui frames
// and driven with the pointer and keyboard; what was drawn is read back from the frames. What a script
// can show is in the console scripts (interface_*.kz); these are the cases that need the plugin's
// object or a host that lacks some of its variables.
//
// Index of this file:
// - Settings page
// - Plugin window
// - Context and input routing
// - Scripted input: what the driver refuses
#include "plugin_fixture.h"

#include "error_message.h"

#include "host_ui/host_interface.h"
#include "host_ui/ui_driver.h"
#include "host_ui/ui_readback.h"

#include <imgui.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace {

using kadenzo::sim::HostInterface;
using kadenzo::sim::ShownWindow;
using kadenzo::sim::UiDriver;
using kadenzo::sim::UiError;

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
    return std::any_of(windows.begin(), windows.end(),
                       [&](const ShownWindow& w) { return w.title == title; });
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

    std::vector<std::string> issued() { return linesStartingWith(takeTrace(), "plugin command "); }

    HostInterface ui{host};
    UiDriver driver{ui, [this] { frame(); }};
    std::deque<std::string> commands;
};

// ---- Settings page -----------------------------------------------------------------------------

// A host whose console lacks some of the plugin's variables: before onLoad, or a host that dropped one.
class PartialConsole : public ::testing::Test {
protected:
    void SetUp() override {
        getPlugin();
        plugin = pluginInstance.get();
        plugin->cvarManager = host.makeCvarManager(id);
        plugin->gameWrapper = host.makeGameWrapper(id);
        host.startPlugin(id);
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
    EXPECT_EQ(page(), (std::vector<std::string>{settingsHeading, "[x] Enable plugin", "---",
                                                "[ ] Touching the ball counts as success", "---",
                                                "0.500  Accuracy threshold at last 10 shots to change speed.",
                                                "0.100  Value of speed increment"}));
}

// ---- Plugin window -----------------------------------------------------------------------------

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

// ---- Scripted input: what the driver refuses ---------------------------------------------------

class SettingsSliders : public PluginWindows {
protected:
    void SetUp() override {
        PluginWindows::SetUp();
        ui.setSettingsShown(true);
        frame();
        frame();
        takeTrace();
    }

    std::string value(const char* name) { return host.variables().find(name)->text(); }
    std::string refusalOf(const std::string& label, const std::string& typed) {
        return messageOf<UiError>([&] { driver.slide(label, typed); });
    }
};

const std::string maxSpeedSlider = "Maximum speed limit";       // an integer slider, 5 to 150
const std::string incrementSlider = "Value of speed increment"; // a float slider

// What an int does not hold used to wrap (2147483648 set -2147483648, 4294967396 set 100) and a
// fraction was cut to its whole part; each is refused, and the slider is left as it was: nothing
// reaches the plugin or its variable.
TEST_F(SettingsSliders, AnIntegerSliderRefusesWhatAnIntDoesNotHold) {
    const std::string before = value("slowMoMaxSpeed");
    for (const std::string typed : {"2147483648", "4294967396", "-2147483649", "99999999999999999999", "1.5"})
        EXPECT_EQ(refusalOf(maxSpeedSlider, typed),
                  "\"" + typed +
                      "\" does not fit the integer slider \"Maximum speed limit\": it takes a whole number "
                      "from -2147483648 to 2147483647");
    EXPECT_EQ(value("slowMoMaxSpeed"), before);
    EXPECT_EQ(linesStartingWith(takeTrace(), "plugin set "), std::vector<std::string>{});
    driver.slide(maxSpeedSlider, "60");
    EXPECT_EQ(value("slowMoMaxSpeed"), "60") << "the slider still takes typed input";
}

// Rationale: Dear ImGui 1.77 hands typed values on unclamped; the variable's range clamps them, as
// it clamps a value set at the console.
TEST_F(SettingsSliders, ValuesOfTheSlidersTypeBeyondItsLimitsAreClampedByTheVariable) {
    driver.slide(maxSpeedSlider, "2147483647");
    EXPECT_EQ(value("slowMoMaxSpeed"), "200");
    driver.slide(maxSpeedSlider, "-2147483648");
    EXPECT_EQ(value("slowMoMaxSpeed"), "5");
    driver.slide(incrementSlider, "2147483648");
    EXPECT_EQ(host.variables().find("slowMoSpeedIncrement")->floatValue(),
              host.variables().find("slowMoSpeedIncrement")->range().max);
}

// The field holds 31 characters; a longer value would be cut short as it is typed.
TEST_F(SettingsSliders, AValueLongerThanTheFieldIsRefused) {
    const std::string before = value("slowMoSpeedIncrement");
    const std::string longest = "0." + std::string(29, '1');
    EXPECT_EQ(refusalOf(incrementSlider, longest + "1"),
              "\"" + longest + "1\" is longer than the 31 characters a slider's field takes");
    EXPECT_EQ(value("slowMoSpeedIncrement"), before);
    driver.slide(incrementSlider, longest);
    EXPECT_NE(value("slowMoSpeedIncrement"), before);
}

// The plugin keeps its window open while it is collapsed, so a click of its close button leaves it
// there; the driver says so instead of reporting the window closed.
TEST_F(PluginWindows, ClosingACollapsedWindowThatStaysOpenIsAnError) {
    ui.toggleMenu("Kadenzo");
    frame();
    driver.closeWindow("Kadenzo");
    EXPECT_FALSE(ui.menuOpen());
    ui.toggleMenu("Kadenzo");
    frame();
    driver.collapseWindow("Kadenzo");
    EXPECT_EQ(messageOf<UiError>([&] { driver.closeWindow("Kadenzo"); }),
              "the window \"Kadenzo\" is still open after its close button was clicked");
    EXPECT_TRUE(ui.menuOpen());
    EXPECT_TRUE(shows(ui, "Kadenzo"));
}

} // namespace
