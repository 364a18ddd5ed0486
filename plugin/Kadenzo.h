// The plugin object: a coach for custom training that adapts the game speed to the player's accuracy.
#pragma once

#include "halvex/canvas_wrapper.h"
#include "halvex/cvar_manager_wrapper.h"
#include "halvex/plugin.h"
#include "halvex/types.h"
#include "plugin_identity.h"
#include "settings_table.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// A cell of the plugin's holding the setting's initial value, until the host binds it.
template <typename Value> std::shared_ptr<Value> initialCell(const Setting& setting) {
    return std::make_shared<Value>(static_cast<Value>(setting.initialValue));
}

class Kadenzo final : public Halvex::Plugin::HalvexPlugin,
                      public Halvex::Plugin::PluginSettingsWindow,
                      public Halvex::Plugin::PluginWindow {
public:
    Kadenzo();
    ~Kadenzo() override;
    Kadenzo(const Kadenzo&) = delete;
    Kadenzo& operator=(const Kadenzo&) = delete;

    // ---- HalvexPlugin
    void onUnload() override;

    // ---- PluginSettingsWindow
    void RenderSettingsPanel() override;
    std::string GetPluginName() override;
    void SetImGuiContext(std::uintptr_t context) override;

    // ---- PluginWindow
    void RenderWindow() override;
    std::string GetMenuName() override;
    std::string GetMenuTitle() override;
    bool ShouldBlockInput() override;
    bool IsActiveOverlay() override;
    void OnOpen() override;
    void OnClose() override;

    // ---- Coaching
    void resetStatusColors();
    int countLastShotsSuccesses() const;
    void adjustGameSpeed();
    void renderStatus(CanvasWrapper canvas);

    // Members in the order the plugin's memory layout has always had. Cells are shared with the host's
    // console-variable bindings; the plugin only reads them, and they start from settingsTable's
    // initial values. Every member also has an explicit initial value, so nothing depends on the
    // zero-filled storage getPlugin builds the object in.
    std::shared_ptr<bool> slowMoEnabled = initialCell<bool>(setting::slowMoEnabled);
    std::shared_ptr<bool> onTouchEnabled = initialCell<bool>(setting::onTouchEnabled);
    bool trainingLoaded = false;
    bool skipNextRestart = true;
    float previousAccuracy = 0.0f;
    std::shared_ptr<float> idealAccuracy = initialCell<float>(setting::idealAccuracy);
    std::shared_ptr<float> slowMoSpeedIncrement = initialCell<float>(setting::slowMoSpeedIncrement);
    std::shared_ptr<int> slowMoMaxSpeed = initialCell<int>(setting::slowMoMaxSpeed);
    std::shared_ptr<int> slowMoMinSpeed = initialCell<int>(setting::slowMoMinSpeed);
    std::int32_t currentStreak = 0;
    std::int32_t windowSuccesses = 0;
    std::int32_t windowShots = 0;
    std::int32_t totalShots = 0;
    std::int32_t totalSuccesses = 0;
    std::shared_ptr<bool> showCurrStreak = initialCell<bool>(setting::showCurrStreak);
    std::shared_ptr<bool> showStatus = initialCell<bool>(setting::showStatus);
    std::shared_ptr<bool> showGameSpeed = initialCell<bool>(setting::showGameSpeed);
    std::shared_ptr<bool> showPrevAccu = initialCell<bool>(setting::showPrevAccu);
    std::shared_ptr<bool> showTotalCount = initialCell<bool>(setting::showTotalCount);
    std::shared_ptr<bool> showtotalAccu = initialCell<bool>(setting::showtotalAccu);
    std::shared_ptr<bool> showLastShotsAccu = initialCell<bool>(setting::showLastShotsAccu);
    std::array<bool, 100> lastShots{};
    std::int32_t lastShotsIndex = 0;
    bool shotSucceeded = false;
    bool shotFailed = false;
    std::array<LinearColor, 10> statusColors{};
    bool isWindowOpen = false;
    std::string menuTitle;

private:
    void onLoad() override;
    void loadTrainingPack();
};

// Module-wide handles. pluginInstance holds the one plugin object from the first getPlugin until
// deleteMe; moduleCvarManager shares the host's console after onLoad, until the module unloads.
extern std::shared_ptr<Kadenzo> pluginInstance;
extern std::shared_ptr<CVarManagerWrapper> moduleCvarManager;

extern "C" {
HALVEX_PLUGIN_API std::uintptr_t getPlugin();
HALVEX_PLUGIN_API void deleteMe();
}
