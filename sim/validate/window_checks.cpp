// The plugin's two window interfaces as the host uses them, and a whole session with both windows
// checked against the host's calling rules.
//
// Index of this file:
// - windows.names
// - windows.input-and-overlay: ShouldBlockInput follows the host's Dear ImGui, IsActiveOverlay
// - windows.settings-before-onload
// - contract.session
#include "validate/check_support.h"
#include "validate/checks.h"

#include "console/console.h"
#include "host_ui/ui_readback.h"
#include "plugin_identity.h"
#include "render/current_imgui_context.h"
#include "settings_table.h"

#include <fmt/format.h>
#include <imgui.h>

#include <sstream>

namespace kadenzo::validate {

namespace {

using Halvex::Plugin::PluginSettingsWindow;
using Halvex::Plugin::PluginWindow;

PluginSettingsWindow& settingsPageOf(sim::LoadedPlugin& plugin) {
    require(plugin.settingsWindow() != nullptr, "the plugin object has no settings window interface");
    return *plugin.settingsWindow();
}

PluginWindow& windowOf(sim::LoadedPlugin& plugin) {
    require(plugin.pluginWindow() != nullptr, "the plugin object has no plugin window interface");
    return *plugin.pluginWindow();
}

// ---- windows.names -----------------------------------------------------------------------------

void requireName(const char* call, const std::string& given) {
    require(given == pluginClassName,
            fmt::format("{} gives \"{}\", expected \"{}\"", call, given, pluginClassName));
}

// ---- windows.input-and-overlay -----------------------------------------------------------------

// The plugin's window is an overlay whenever the host asks (ui/plugin_window.cpp).
constexpr bool activeOverlay = true;

const Vector2 displaySize{1280, 720};

struct WantedInput {
    bool mouse;
    bool keyboard;
    const char* description;
};

constexpr WantedInput wantedInputs[] = {
    {false, false, "wanting neither the mouse nor the keyboard"},
    {true, false, "wanting the mouse but not the keyboard"},
    {false, true, "wanting the keyboard but not the mouse"},
    {true, true, "wanting the mouse and the keyboard"},
};

const char* describe(const WantedInput& wanted) {
    for (const WantedInput& known : wantedInputs)
        if (known.mouse == wanted.mouse && known.keyboard == wanted.keyboard) return known.description;
    return "";
}

// Sets what the host's Dear ImGui wants, as its last frame would have, and asks the plugin.
bool answerWhenWanting(sim::HostInterface& ui, PluginWindow& window, const WantedInput& wanted) {
    {
        const render::CurrentImGuiContext current(ui.context());
        ImGui::GetIO().WantCaptureMouse = wanted.mouse;
        ImGui::GetIO().WantCaptureKeyboard = wanted.keyboard;
    }
    return window.ShouldBlockInput();
}

WantedInput wantedAfterLastFrame(sim::HostInterface& ui) {
    const render::CurrentImGuiContext current(ui.context());
    return {ImGui::GetIO().WantCaptureMouse, ImGui::GetIO().WantCaptureKeyboard, nullptr};
}

const sim::ShownWindow* findWindow(const std::vector<sim::ShownWindow>& windows, const std::string& title) {
    for (const sim::ShownWindow& window : windows)
        if (window.title == title) return &window;
    return nullptr;
}

// Frames with the pointer at X, Y: the host's Dear ImGui sees it there from the second.
void framesWithPointerAt(sim::HostInterface& ui, float x, float y) {
    ui.input().pointerX = x;
    ui.input().pointerY = y;
    ui.frame(displaySize);
    ui.frame(displaySize);
}

// After real frames, the plugin's answer is what the host's Dear ImGui wants.
void requireAnswerFollowsFrames(sim::HostInterface& ui, PluginWindow& window, const char* situation,
                                bool expectWanted) {
    const WantedInput wanted = wantedAfterLastFrame(ui);
    require(wanted.mouse == expectWanted,
            fmt::format("the host's Dear ImGui {} the mouse with the pointer {}",
                        wanted.mouse ? "wants" : "does not want", situation));
    const bool answer = window.ShouldBlockInput();
    require(answer == (wanted.mouse || wanted.keyboard),
            fmt::format("with the pointer {} ShouldBlockInput is {}, while the host's Dear ImGui is {}",
                        situation, answer, describe(wanted)));
}

// ---- windows.settings-before-onload ------------------------------------------------------------

// What the page drew: the rows of the settings window after the plugin's tab, and its widgets.
struct PageShown {
    std::vector<std::string> rows;
    std::size_t widgets = 0;
};

PageShown pageShown(sim::HostInterface& ui, const std::string& tabName) {
    const auto windows = sim::shownWindows(ui.context());
    const sim::ShownWindow* settings = findWindow(windows, sim::HostInterface::settingsTitle);
    require(settings != nullptr, "the host's settings window did not show");
    PageShown page;
    bool inPage = false;
    for (const sim::ShownRow& row : settings->rows) {
        const std::string text = sim::rowText(row);
        if (inPage) page.rows.push_back(text);
        inPage = inPage || text == tabName;
    }
    require(inPage, fmt::format("the settings window shows no tab \"{}\"", tabName));
    page.widgets = settings->frames.size() + settings->grabs.size();
    return page;
}

// ---- contract.session --------------------------------------------------------------------------

// A session as a person would have it, in kadenzo-sim's console language; "{module}" is the module
// under test and "{menu}" the plugin's menu.
constexpr const char* sessionLines[] = {
    "settings on",       "frame 2",      "togglemenu {menu}",
    "frame 2",           "{enabled} 1",  "training on",
    "loadround",         "restart",      "attempts GGTXNEGGXGGTG",
    "frame 3",           "destroyed",    "loadround",
    "restart",           "attempts GXE", "frame",
    "plugin unload",     "frame",        "plugin load \"{module}\"",
    "togglemenu {menu}", "loadround",    "restart",
    "attempts GGGXN",    "frame 2",      "training off",
    "attempts G",        "frame",
};

} // namespace

// ---- windows.names -----------------------------------------------------------------------------

void checkWindowNames(CheckContext& context) {
    TracedHost traced(context);
    traced.load();
    requireName("GetPluginName", settingsPageOf(traced.plugin()).GetPluginName());
    requireName("GetMenuName", windowOf(traced.plugin()).GetMenuName());
    requireName("GetMenuTitle", windowOf(traced.plugin()).GetMenuTitle());
    traced.unload();
}

// ---- windows.input-and-overlay -----------------------------------------------------------------

void checkWindowInputAndOverlay(CheckContext& context) {
    TracedHost traced(context);
    traced.load();
    PluginSettingsWindow& page = settingsPageOf(traced.plugin());
    PluginWindow& window = windowOf(traced.plugin());
    require(window.IsActiveOverlay() == activeOverlay,
            fmt::format("without a Dear ImGui context IsActiveOverlay is {}, expected {}", !activeOverlay,
                        activeOverlay));
    require(!window.ShouldBlockInput(), "without a Dear ImGui context ShouldBlockInput is true");

    sim::HostInterface& ui = traced.ui();
    ui.attach(&page, &window);
    require(window.IsActiveOverlay() == activeOverlay,
            fmt::format("with the host's context IsActiveOverlay is {}, expected {}", !activeOverlay,
                        activeOverlay));
    for (const WantedInput& wanted : wantedInputs) {
        const bool answer = answerWhenWanting(ui, window, wanted);
        require(
            answer == (wanted.mouse || wanted.keyboard),
            fmt::format("with the host's Dear ImGui {} ShouldBlockInput is {}", describe(wanted), answer));
    }

    // The same through real frames: the pointer over the host's settings window, then away from it.
    ui.setSettingsShown(true);
    ui.frame(displaySize);
    const std::vector<sim::ShownWindow> shown = sim::shownWindows(ui.context());
    const sim::ShownWindow* settings = findWindow(shown, sim::HostInterface::settingsTitle);
    require(settings != nullptr, "the host's settings window did not show");
    framesWithPointerAt(ui, settings->box.centerX(), settings->box.centerY());
    requireAnswerFollowsFrames(ui, window, "over the settings window", true);
    framesWithPointerAt(ui, -1e9f, -1e9f);
    requireAnswerFollowsFrames(ui, window, "outside every window", false);
    traced.unload();
}

// ---- windows.settings-before-onload ------------------------------------------------------------

void checkSettingsBeforeOnLoad(CheckContext& context) {
    const OpenedModule module(context.modulePath());
    TracedHost traced(context);
    {
        const PluginHandle hostCopy = handleAt(module.record().getPlugin());
        require(hostCopy != nullptr, "getPlugin's handle holds no object");
        auto* page = dynamic_cast<PluginSettingsWindow*>(hostCopy.get());
        require(page != nullptr, "the plugin object has no settings window interface");
        sim::HostInterface& ui = traced.ui();
        ui.attach(page, nullptr);
        ui.setSettingsShown(true);
        ui.frame(displaySize);
        ui.frame(displaySize);
        const PageShown shown = pageShown(ui, page->GetPluginName());
        ui.detach();
        const std::vector<std::string>& rows = shown.rows;
        require(!rows.empty(), "before onLoad the settings page draws nothing, not even its heading");
        if (rows.size() > 1)
            throw CheckFailure(
                fmt::format("before onLoad the settings page draws {} rows, \"{}\" then \"{}\"; expected "
                            "only its heading",
                            rows.size(), rows[0], rows[1]));
        require(rows[0] != "---",
                "before onLoad the settings page draws a separator, expected only its heading");
        require(shown.widgets == 0,
                fmt::format("before onLoad the settings page draws {} besides its heading",
                            countOf(shown.widgets, "widget")));
        context.report("heading: " + rows[0]);
    }
    module.record().deleteMe();
}

// ---- contract.session --------------------------------------------------------------------------

void checkContractSession(CheckContext& context) {
    sim::Simulator simulator;
    loadWatched(context, simulator);
    std::ostringstream output;
    sim::Console console(simulator, output);
    for (const char* line : sessionLines) {
        // The line is no literal: {fmt} 7 checks a format string when it is formatted, not compiled.
        const std::string command =
            fmt::format(line, fmt::arg("module", context.modulePath()),
                        fmt::arg("menu", pluginClassName), fmt::arg("enabled", setting::slowMoEnabled.name));
        try {
            console.execute(command);
        } catch (const std::exception& failure) {
            throw CheckFailure(fmt::format("{}: {}", command, failure.what()));
        }
    }
    try {
        console.shutDown();
    } catch (const std::exception& failure) {
        throw CheckFailure(std::string("unloading at the end: ") + failure.what());
    }
    const std::vector<std::string> violations = context.contractViolations();
    require(violations.empty(),
            fmt::format("{} broke the host's rules, the first: {}", countOf(violations.size(), "plugin call"),
                        violations.empty() ? "" : violations.front()));
    context.report(
        fmt::format("{} plugin calls checked, none refused", simulator.host.contract().callsChecked()));
}

} // namespace kadenzo::validate
