// The desktop window's panels.
//
// Index of this file:
// - Actions: the table of game events and whole attempts, their buttons and keys
// - Menu bar: the host's menus
// - Training: events, attempts, the automatic player, the chart
// - Console: the log and the command line
#include "window/window_controls.h"

#include "play/player_options.h"
#include "settings_table.h"
#include "window/plugin_readiness.h"
#include "window/window_session.h"

#include <fmt/format.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <iterator>
#include <string>
#include <vector>

namespace kadenzo::sim {

// ---- Actions -----------------------------------------------------------------------------------

namespace {

// The pace slider gives the slow paces more of its width: its value grows with the cube of the grab's
// place along it.
constexpr float pacePower = 3.0f;
// The longest label of the player's sliders.
constexpr const char* longestSliderLabel = "Attempts a second";

constexpr GameAction gameActions[] = {
    {"Load round", 'L', "training on\nloadround", "Enter custom training and load a round"},
    {"Goal", 'G', "goal", "The ball hits the goal"},
    {"Touch", 'T', "touch", "The car touches the ball"},
    {"Explosion", 'E', "explode", "The ball explodes"},
    {"Restart", 'R', "restart", "The controller restarts: the attempt is over"},
    {"Leave training", 0, "destroyed\ntraining off",
     "The training editor goes away and the game leaves training"},
    {"Success", 'S', "success", "A whole attempt: a goal, then the restart"},
    {"Miss", 'X', "miss", "A whole attempt: an explosion, then the restart"},
};
static_assert(std::size(gameActions) == 8, "six game events and two whole attempts");
// The first six are single game events, the rest whole attempts.
constexpr std::size_t firstWholeAttempt = 6;

void requestAction(WindowSession& session, const GameAction& action) {
    const std::string lines = action.lines;
    std::size_t begin = 0;
    while (begin < lines.size()) {
        std::size_t end = lines.find('\n', begin);
        if (end == std::string::npos) end = lines.size();
        session.request(lines.substr(begin, end - begin));
        begin = end + 1;
    }
}

std::string buttonLabel(const GameAction& action) {
    return action.key ? fmt::format("{} ({})", action.label, action.key) : action.label;
}

void actionButtons(WindowSession& session, std::size_t first, std::size_t last) {
    for (std::size_t index = first; index < last; ++index) {
        const GameAction& action = gameActions[index];
        if (index > first) ImGui::SameLine();
        if (ImGui::Button(buttonLabel(action).c_str())) requestAction(session, action);
        if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", action.tip);
    }
}

// A panel first appears where the layout puts it (window_layout.h); afterwards it stays where the
// person puts it.
void placeNextPanel(const WindowPlace& place) {
    ImGui::SetNextWindowPos(ImVec2(place.x, place.y), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize(ImVec2(place.width, place.height), ImGuiCond_FirstUseEver);
}

// What stops the plugin, in a warm colour that is no marker's.
const ImVec4 hintColor(1.0f, 0.78f, 0.35f, 1.0f);

// Colours of the log's lines: commands blue, trace grey, errors a light red that is no marker's colour.
ImVec4 logColor(LogLine::Kind kind) {
    switch (kind) {
    case LogLine::Kind::command:
        return ImVec4(0.55f, 0.75f, 1.0f, 1.0f);
    case LogLine::Kind::trace:
        return ImVec4(0.62f, 0.62f, 0.62f, 1.0f);
    case LogLine::Kind::error:
        return ImVec4(1.0f, 0.5f, 0.45f, 1.0f);
    case LogLine::Kind::output:
        break;
    }
    return ImGui::GetStyleColorVec4(ImGuiCol_Text);
}

constexpr float speedMargin = 0.1f;

std::vector<float> asArray(const std::deque<float>& values) {
    return std::vector<float>(values.begin(), values.end());
}

const halvex::host::ConsoleVariable* findVariable(WindowSession& session, const char* name) {
    return session.simulator().host.variables().find(name);
}

} // namespace

void WindowControls::draw(WindowSession& session) {
    drawMenuBar(session);
    drawTrainingPanel(session);
    drawConsolePanel(session);
    handleShortcuts(session);
}

void WindowControls::handleShortcuts(WindowSession& session) {
    if (ImGui::GetIO().WantTextInput) return;
    for (const GameAction& action : gameActions)
        if (action.key && ImGui::IsKeyPressed(action.key, false)) requestAction(session, action);
    if (ImGui::IsKeyPressed(playerKey, false))
        session.request(session.player().playing() ? "player off" : "player on");
}

// ---- Menu bar ----------------------------------------------------------------------------------

void WindowControls::drawMenuBar(WindowSession& session) {
    if (!ImGui::BeginMainMenuBar()) return;
    Simulator& simulator = session.simulator();
    if (ImGui::BeginMenu("Host")) {
        const bool shown = simulator.ui.settingsShown();
        if (ImGui::MenuItem("Settings", nullptr, shown))
            session.request(shown ? "settings off" : "settings on");
        ImGui::Separator();
        if (ImGui::MenuItem("Quit")) session.request("quit");
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("Plugins")) {
        Halvex::Plugin::PluginWindow* window = simulator.plugin ? simulator.plugin->pluginWindow() : nullptr;
        if (window) {
            const std::string name = window->GetMenuName();
            if (ImGui::MenuItem(window->GetMenuTitle().c_str(), nullptr, simulator.ui.menuOpen()))
                session.request("togglemenu " + name);
        } else {
            ImGui::MenuItem("(no plugin window)", nullptr, false, false);
        }
        ImGui::EndMenu();
    }
    // The first thing that keeps the plugin from acting, at the right of the bar.
    const std::vector<std::string> hints = readinessHints(readPluginReadiness(simulator));
    if (!hints.empty()) {
        const float width = ImGui::CalcTextSize(hints.front().c_str()).x;
        const float right = ImGui::GetWindowContentRegionMax().x - ImGui::GetStyle().ItemSpacing.x;
        ImGui::SameLine(std::max(ImGui::GetCursorPosX(), right - width));
        ImGui::TextColored(hintColor, "%s", hints.front().c_str());
    }
    ImGui::EndMainMenuBar();
}

// ---- Training ----------------------------------------------------------------------------------

void WindowControls::drawTrainingPanel(WindowSession& session) {
    placeNextPanel(session.layout().training);
    if (!ImGui::Begin("Training")) {
        ImGui::End();
        return;
    }
    Simulator& simulator = session.simulator();
    drawReadiness(session);
    actionButtons(session, 0, 3);
    actionButtons(session, 3, firstWholeAttempt);
    ImGui::Text("Whole attempts:");
    ImGui::SameLine();
    actionButtons(session, firstWholeAttempt, std::size(gameActions));
    ImGui::Separator();
    drawPlayer(session);
    ImGui::Separator();
    drawChart(session);
    ImGui::Separator();
    ImGui::TextUnformatted("Keys as on the buttons (not while typing)");
    ImGui::Text("Input: %s",
                simulator.ui.inputBlocked() ? "the plugin keeps it from the game" : "the game has it");
    ImGui::End();
}

void WindowControls::drawReadiness(WindowSession& session) {
    const PluginReadiness readiness = readPluginReadiness(session.simulator());
    const char* plugin = !readiness.loaded ? "not loaded" : readiness.enabled ? "enabled" : "disabled";
    const bool stopping = !readiness.loaded || !readiness.enabled;
    if (stopping) ImGui::PushStyleColor(ImGuiCol_Text, hintColor);
    ImGui::Text("Plugin: %s (%s)", plugin, setting::slowMoEnabled.name);
    if (stopping) ImGui::PopStyleColor();
    if (!readiness.inTraining) ImGui::PushStyleColor(ImGuiCol_Text, hintColor);
    ImGui::Text("Game: %s", readiness.inTraining ? "in custom training" : "not in training");
    if (!readiness.inTraining) ImGui::PopStyleColor();
}

void WindowControls::drawPlayer(WindowSession& session) {
    AutoPlayer& player = session.player();
    bool playing = player.playing();
    if (ImGui::Checkbox("Automatic player (P)", &playing))
        session.request(playing ? "player on" : "player off");
    // The sliders leave room at their right for the longest label.
    ImGui::PushItemWidth(-(ImGui::CalcTextSize(longestSliderLabel).x + ImGui::GetStyle().ItemInnerSpacing.x));
    PlayerParameters skill = player.model().skill();
    const double comfortLeast = 0.2, comfortMost = 4.0;
    const double spreadLeast = 0.02, spreadMost = 1.0;
    const double peakLeast = 0.05, peakMost = 1.0;
    bool changed = false;
    changed |= ImGui::SliderScalar("Comfort speed", ImGuiDataType_Double, &skill.comfortSpeed, &comfortLeast,
                                   &comfortMost, "%.2f");
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("The skill: the game speed at which the player's chance has halved");
    changed |=
        ImGui::SliderScalar("Spread", ImGuiDataType_Double, &skill.spread, &spreadLeast, &spreadMost, "%.2f");
    changed |= ImGui::SliderScalar("Best accuracy", ImGuiDataType_Double, &skill.peak, &peakLeast, &peakMost,
                                   "%.2f");
    if (changed) {
        skill.comfortSpeed = std::clamp(skill.comfortSpeed, comfortSpeedRange.least, comfortSpeedRange.most);
        skill.spread = std::clamp(skill.spread, spreadRange.least, spreadRange.most);
        skill.peak = std::clamp(skill.peak, peakLeast, peakMost);
        player.model().setSkill(skill);
    }
    float pace = player.pace();
    if (ImGui::SliderFloat(longestSliderLabel, &pace, AutoPlayer::slowestPace, AutoPlayer::fastestPace,
                           "%.1f", pacePower))
        player.setPace(pace);
    ImGui::PopItemWidth();
    const float speed = session.gameSpeed();
    ImGui::Text("Chance of success at game speed %.2f: %.0f%%", static_cast<double>(speed),
                player.model().successChance(speed) * 100.0);
}

void WindowControls::drawChart(WindowSession& session) {
    const LiveChart& chart = session.chart();
    const float width = ImGui::GetContentRegionAvail().x;
    const std::string speedText = fmt::format("game speed {:.2f}", session.gameSpeed());
    const std::vector<float> speeds = asArray(chart.speeds());
    // The range of the speeds shown, with a margin, so that the plugin's steps stand out.
    float slowest = 1.0f;
    float fastest = 1.0f;
    for (const float speed : speeds)
        if (std::isfinite(speed)) {
            slowest = std::min(slowest, speed);
            fastest = std::max(fastest, speed);
        }
    // Each plot's title on a line of its own above it, so that it never hides the plot.
    const float chartHeight = session.layout().chartHeight;
    ImGui::TextUnformatted(speedText.c_str());
    ImGui::PlotLines("##speed", speeds.data(), static_cast<int>(speeds.size()), 0, nullptr,
                     slowest - speedMargin, fastest + speedMargin, ImVec2(width, chartHeight));

    const halvex::host::ConsoleVariable* target = findVariable(session, setting::idealAccuracy.name);
    const std::vector<float> accuracies = asArray(chart.accuracies());
    const std::string accuracyText = accuracies.empty()
                                         ? std::string("window accuracy: no window of ten yet")
                                         : fmt::format("window accuracy {:.0f}%", accuracies.back() * 100.0f);
    ImGui::TextUnformatted(accuracyText.c_str());
    ImGui::PlotHistogram("##accuracy", accuracies.data(), static_cast<int>(accuracies.size()), 0, nullptr,
                         0.0f, 1.0f, ImVec2(width, chartHeight));
    if (target) {
        // The target accuracy across the bars.
        const ImVec2 low = ImGui::GetItemRectMin();
        const ImVec2 high = ImGui::GetItemRectMax();
        const float share = std::clamp(target->floatValue(), 0.0f, 1.0f);
        const float y = high.y - (high.y - low.y) * share;
        ImGui::GetWindowDrawList()->AddLine(ImVec2(low.x, y), ImVec2(high.x, y), IM_COL32(235, 150, 60, 255));
        ImGui::Text("Target accuracy %.0f%% (line)", static_cast<double>(share) * 100.0);
    }
    ImGui::Text("Attempts: %lld", chart.attempts());
}

// ---- Console -----------------------------------------------------------------------------------

void WindowControls::drawConsolePanel(WindowSession& session) {
    placeNextPanel(session.layout().console);
    // Opaque, so that nothing behind it shows through its lines.
    ImGui::SetNextWindowBgAlpha(1.0f);
    if (!ImGui::Begin("Console")) {
        ImGui::End();
        return;
    }
    const WindowLog& log = session.log();
    const float footer = ImGui::GetStyle().ItemSpacing.y + ImGui::GetFrameHeightWithSpacing();
    ImGui::BeginChild("##log", ImVec2(0.0f, -footer), false, ImGuiWindowFlags_HorizontalScrollbar);
    // At the end, or a scroll bar's height from it: a horizontal scroll bar appearing under a long line
    // takes that much from the view, and the log still counts as followed.
    const bool atEnd = ImGui::GetScrollY() >= ImGui::GetScrollMaxY() - ImGui::GetStyle().ScrollbarSize;
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(log.lines().size()));
    while (clipper.Step())
        for (int row = clipper.DisplayStart; row < clipper.DisplayEnd; ++row) {
            const LogLine& line = log.lines()[static_cast<std::size_t>(row)];
            ImGui::PushStyleColor(ImGuiCol_Text, logColor(line.kind));
            ImGui::TextUnformatted(line.text.c_str());
            ImGui::PopStyleColor();
        }
    clipper.End();
    // New lines scroll the log to its end, unless the person scrolled back to read.
    if (log.added() != logLinesSeen && atEnd) ImGui::SetScrollHereY(1.0f);
    logLinesSeen = log.added();
    ImGui::EndChild();

    ImGui::Separator();
    ImGui::SetNextItemWidth(-1.0f);
    if (refocusCommandLine) ImGui::SetKeyboardFocusHere();
    refocusCommandLine = false;
    if (ImGui::InputTextWithHint("##command", "console command (help lists them)", commandLine.data(),
                                 commandLine.size(), ImGuiInputTextFlags_EnterReturnsTrue)) {
        session.request(commandLine.data());
        commandLine.fill('\0');
        refocusCommandLine = true;
    }
    ImGui::End();
}

} // namespace kadenzo::sim
