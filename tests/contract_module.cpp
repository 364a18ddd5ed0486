// A small plugin module that keeps the host's contract as kadenzo-sim validate checks it, or breaks one
// rule of it on purpose: CONTRACT_FAULT, chosen by the build (tests/CMakeLists.txt), names the rule.
// It registers the settings of plugin/settings_table.h and arms and disarms as the coach does, without
// the coach's overlay or Dear ImGui; validate_checks_test.cpp runs the checks against each build.
#include "plugin_identity.h"
#include "settings_table.h"

#include "halvex/export.h"
#include "halvex/game_functions.h"
#include "halvex/plugin.h"
#include "halvex/plugin_record.h"

#include <cstddef>
#include <memory>
#include <string>
#include <variant>

namespace {

enum class Fault {
    none,
    wrongRecord,          // pluginType 3 and padding that is not zero
    nullGetPlugin,        // the record's getPlugin is null
    newObjectEachCall,    // getPlugin makes another object every time
    deleteMeKeepsObject,  // deleteMe leaves the object in the handle
    swappedRegistrations, // slowMoMinSpeed registered before slowMoMaxSpeed
    floatCellForInt,      // the integer settings bound to float cells
    armsTwice,            // LoadRound while armed registers the pack again
    keepsDrawable,        // onUnload leaves the drawable registered
    wrongMenuTitle,       // the window's title is not the plugin's name
};

constexpr Fault fault = Fault::CONTRACT_FAULT;

using Cell = std::variant<std::shared_ptr<bool>, std::shared_ptr<int>, std::shared_ptr<float>>;

Cell makeCell(const Setting& setting) {
    switch (setting.cell) {
    case SettingCell::boolean:
        return std::make_shared<bool>(setting.initialValue != 0.0f);
    case SettingCell::integer:
        if (fault == Fault::floatCellForInt) return std::make_shared<float>(setting.initialValue);
        return std::make_shared<int>(static_cast<int>(setting.initialValue));
    case SettingCell::real:
        break;
    }
    return std::make_shared<float>(setting.initialValue);
}

// The row registered in place of ROW.
std::size_t registeredRow(std::size_t row) {
    if (fault != Fault::swappedRegistrations) return row;
    const std::size_t maximum = 4, minimum = 5; // slowMoMaxSpeed, slowMoMinSpeed
    return row == maximum ? minimum : row == minimum ? maximum : row;
}

class ContractPlugin final : public Halvex::Plugin::HalvexPlugin,
                             public Halvex::Plugin::PluginSettingsWindow,
                             public Halvex::Plugin::PluginWindow {
public:
    ContractPlugin() {
        for (std::size_t row = 0; row < settingsCount; ++row)
            cells[row] = makeCell(settingsTable[row]);
    }

    void onLoad() override {
        for (std::size_t index = 0; index < settingsCount; ++index) {
            const std::size_t row = registeredRow(index);
            const Setting& setting = settingsTable[row];
            const CVarWrapper variable =
                cvarManager->registerCvar(setting.name, setting.defaultText, setting.description, true,
                                          setting.hasMin, setting.min, setting.hasMax, setting.max, true);
            std::visit([&](const auto& cell) { variable.bindTo(cell); }, cells[row]);
        }
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::loadRound,
                                                       [this](ActorWrapper, void*, std::string) {
                                                           if (enabled()) arm();
                                                       });
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::editorDestroyed,
                                                       [this](ActorWrapper, void*, std::string) {
                                                           if (enabled() && armed) onUnload();
                                                       });
    }

    void onUnload() override {
        if (!armed) return;
        armed = false;
        gameWrapper->UnhookEvent(game_function::roundChanged);
        gameWrapper->UnhookEvent(game_function::carHitBall);
        gameWrapper->UnhookEvent(game_function::ballExploded);
        gameWrapper->UnhookEvent(game_function::goalScored);
        gameWrapper->UnhookEventPost(game_function::controllerRestart);
        if (fault != Fault::keepsDrawable) gameWrapper->UnregisterDrawables();
    }

    void RenderSettingsPanel() override {}
    std::string GetPluginName() override { return pluginClassName; }
    void SetImGuiContext(std::uintptr_t) override {}

    void RenderWindow() override {}
    std::string GetMenuName() override { return pluginClassName; }
    std::string GetMenuTitle() override {
        return fault == Fault::wrongMenuTitle ? "Contract" : pluginClassName;
    }
    bool ShouldBlockInput() override { return false; }
    bool IsActiveOverlay() override { return true; }
    void OnOpen() override {}
    void OnClose() override {}

private:
    bool enabled() const { return *std::get<std::shared_ptr<bool>>(cells[0]); } // slowMoEnabled

    void arm() {
        if (armed && fault != Fault::armsTwice) return;
        armed = true;
        gameWrapper->RegisterDrawable([](CanvasWrapper) {});
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::roundChanged,
                                                       [](ActorWrapper, void*, std::string) {});
        gameWrapper->HookEvent(game_function::carHitBall, [](std::string) {});
        gameWrapper->HookEvent(game_function::ballExploded, [](std::string) {});
        gameWrapper->HookEvent(game_function::goalScored, [](std::string) {});
        gameWrapper->HookEventPost(game_function::controllerRestart, [](std::string) {});
    }

    Cell cells[settingsCount];
    bool armed = false;
};

std::shared_ptr<Halvex::Plugin::HalvexPlugin> plugin;

} // namespace

extern "C" {

HALVEX_PLUGIN_API std::uintptr_t getPlugin() {
    if (!plugin || fault == Fault::newObjectEachCall) plugin = std::make_shared<ContractPlugin>();
    return reinterpret_cast<std::uintptr_t>(&plugin);
}

HALVEX_PLUGIN_API void deleteMe() {
    if (fault != Fault::deleteMeKeepsObject) plugin.reset();
}

HALVEX_PLUGIN_API extern const halvex::PluginRecord exports;
const halvex::PluginRecord exports = {halvex::pluginApiVersion,
                                      0,
                                      __FILE__,
                                      pluginClassName,
                                      pluginTitle,
                                      CONTRACT_VERSION,
                                      fault == Fault::wrongRecord ? 3 : pluginType,
                                      fault == Fault::wrongRecord ? 1 : 0,
                                      fault == Fault::nullGetPlugin ? nullptr : getPlugin,
                                      deleteMe};
}
