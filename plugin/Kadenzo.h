// The plugin object: a coach for custom training that adapts the game speed to the player's accuracy.
#pragma once

#include "halvex/canvas_wrapper.h"
#include "halvex/cvar_manager_wrapper.h"
#include "halvex/plugin.h"
#include "halvex/types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The class name, which is also the plugin's name, its menu name and its window's title.
inline constexpr const char* pluginClassName = "Kadenzo";

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
    // console-variable bindings; the plugin only reads them. Every member also has an explicit
    // initial value, so nothing depends on the zero-filled storage getPlugin builds the object in.
    std::shared_ptr<bool> slowMoEnabled = std::make_shared<bool>(true);
    std::shared_ptr<bool> onTouchEnabled = std::make_shared<bool>(true);
    bool trainingLoaded = false;
    bool skipNextRestart = true;
    float previousAccuracy = 0.0f;
    std::shared_ptr<float> idealAccuracy = std::make_shared<float>(0.7f);
    std::shared_ptr<float> slowMoSpeedIncrement = std::make_shared<float>(0.1f);
    std::shared_ptr<int> slowMoMaxSpeed = std::make_shared<int>(120);
    std::shared_ptr<int> slowMoMinSpeed = std::make_shared<int>(70);
    std::int32_t currentStreak = 0;
    std::int32_t windowSuccesses = 0;
    std::int32_t windowShots = 0;
    std::int32_t totalShots = 0;
    std::int32_t totalSuccesses = 0;
    std::shared_ptr<bool> showCurrStreak = std::make_shared<bool>(true);
    std::shared_ptr<bool> showStatus = std::make_shared<bool>(true);
    std::shared_ptr<bool> showGameSpeed = std::make_shared<bool>(true);
    std::shared_ptr<bool> showPrevAccu = std::make_shared<bool>(true);
    std::shared_ptr<bool> showTotalCount = std::make_shared<bool>(true);
    std::shared_ptr<bool> showtotalAccu = std::make_shared<bool>(true);
    std::shared_ptr<bool> showLastShotsAccu = std::make_shared<bool>(true);
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
