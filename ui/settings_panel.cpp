// The plugin's page in the host's settings window: one widget per console variable, read every
// frame from the host and written back only when a widget reports a change.
#include "Kadenzo.h"
#include "settings_table.h"

#include <imgui.h>

#include <deque>

// The sliders below pass a float power: a real parameter of SliderFloat up to Dear ImGui 1.77, the
// host's release, and an obsolete overload or nothing after it.
static_assert(IMGUI_VERSION_NUM >= 17000 && IMGUI_VERSION_NUM <= 17700,
              "the plugin is built against the host's Dear ImGui, a 1.7x release whose sliders take a power");

namespace {

// Keeps the frame's variable wrappers until the page is done, then releases the last obtained first.
// Rationale: a deque, because find() hands out pointers to earlier wrappers while later ones are
// added, and growing a deque at its end never moves the elements it already holds.
class PageVariables {
public:
    explicit PageVariables(CVarManagerWrapper& console) : console(console) {}
    PageVariables(const PageVariables&) = delete;
    PageVariables& operator=(const PageVariables&) = delete;
    ~PageVariables() {
        while (!held.empty())
            held.pop_back();
    }

    // Null when the variable is not registered. The pointer stays valid until the page is done.
    const CVarWrapper* find(const char* name) {
        held.push_back(console.getCvar(name));
        return held.back() ? &held.back() : nullptr;
    }

private:
    CVarManagerWrapper& console;
    std::deque<CVarWrapper> held;
};

void tooltip(const char* text) {
    if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", text);
}

bool checkboxRow(PageVariables& page, const Setting& setting, const char* tooltipText) {
    const CVarWrapper* variable = page.find(setting.name);
    if (!variable) return false;
    bool value = variable->getBoolValue();
    if (ImGui::Checkbox(setting.pageLabel, &value)) variable->setValue(value ? 1 : 0);
    if (tooltipText) tooltip(tooltipText);
    ImGui::Separator();
    return true;
}

bool floatSliderRow(PageVariables& page, const Setting& setting, float min, float max,
                    const char* tooltipText) {
    const CVarWrapper* variable = page.find(setting.name);
    if (!variable) return false;
    float value = variable->getFloatValue();
    if (ImGui::SliderFloat(setting.pageLabel, &value, min, max, "%.3f", 1.0f)) variable->setValue(value);
    tooltip(tooltipText);
    return true;
}

void intSlider(const CVarWrapper& variable, int& value, const char* label, const char* tooltipText) {
    if (ImGui::SliderInt(label, &value, 5, 150, "%d")) variable.setValue(value);
    tooltip(tooltipText);
}

// Both speed limits are looked up, then both read, before either slider is drawn.
bool speedLimitRows(PageVariables& page) {
    const CVarWrapper* maximum = page.find(setting::slowMoMaxSpeed.name);
    if (!maximum) return false;
    const CVarWrapper* minimum = page.find(setting::slowMoMinSpeed.name);
    if (!minimum) return false;
    int maximumValue = maximum->getIntValue();
    int minimumValue = minimum->getIntValue();
    intSlider(*maximum, maximumValue, setting::slowMoMaxSpeed.pageLabel, "Maximum speed limit.");
    intSlider(*minimum, minimumValue, setting::slowMoMinSpeed.pageLabel, "Minimum speed limit.");
    return true;
}

void drawRows(PageVariables& page) {
    if (!checkboxRow(page, setting::slowMoEnabled, "Enable/Disable slow motion plugin")) return;
    if (!checkboxRow(page, setting::onTouchEnabled,
                     "Touching the ball counts as success (useful for defense training)"))
        return;
    if (!floatSliderRow(page, setting::idealAccuracy, 0.05f, 0.999f,
                        "Accuracy threshold at last 10 shots to change speed."))
        return;
    if (!floatSliderRow(page, setting::slowMoSpeedIncrement, 0.001f, 0.999f,
                        "The value to add or subtract from game speed."))
        return;
    if (!speedLimitRows(page)) return;
    if (!checkboxRow(page, setting::showCurrStreak, nullptr)) return;
    if (!checkboxRow(page, setting::showStatus, nullptr)) return;
    if (!checkboxRow(page, setting::showGameSpeed, nullptr)) return;
    if (!checkboxRow(page, setting::showPrevAccu, nullptr)) return;
    if (!checkboxRow(page, setting::showTotalCount, nullptr)) return;
    if (!checkboxRow(page, setting::showtotalAccu, nullptr)) return;
    checkboxRow(page, setting::showLastShotsAccu, nullptr);
}

} // namespace

// Draws nothing until the host has handed over its context, and only the heading until the host has
// given the plugin its console.
void Kadenzo::RenderSettingsPanel() {
    if (!ImGui::GetCurrentContext()) return;
    ImGui::TextUnformatted("Kadenzo plugin settings");
    if (!cvarManager) return;
    PageVariables page(*cvarManager);
    drawRows(page);
}
