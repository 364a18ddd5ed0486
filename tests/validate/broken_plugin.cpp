// A small plugin that behaves like Kadenzo wherever the validator looks, but for one fault chosen by the
// build (BROKEN_FAULT, one module per fault: tests/CMakeLists.txt). The validator's own tests run
// `kadenzo-sim validate` on each and expect the check that looks there to catch it.
//
// Like Kadenzo: the record, getPlugin and deleteMe with one module-wide handle; onLoad registers and binds
// the thirteen settings variables, then hooks LoadRound and Destroyed; LoadRound with slowMoEnabled arms
// (the four pre hooks, the post hook and a drawable that draws a line of text); Destroyed while armed and
// enabled, or the host's onUnload, disarms; the two window interfaces named "Kadenzo". Unlike Kadenzo it
// draws no Dear ImGui windows.
#include "halvex/game_functions.h"
#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "module_info.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace {

enum class Fault {
    wrongRecordInteger,    // the record's pluginType is 3
    nullGetPlugin,         // the record's getPlugin is null
    missingVariable,       // onLoad leaves out one registration
    wrongDefault,          // one variable's default differs
    hookLeftAfterOnUnload, // onUnload leaves Explode hooked
    crashInDrawable,       // the drawable writes through a null pointer
    hangInOnLoad,          // onLoad never returns
    hostCallFromThread,    // onLoad calls the host from a thread of its own
};
constexpr Fault fault = Fault::BROKEN_FAULT;

// ---- The settings variables, as Kadenzo registers them ---------------------------------------------

enum class Cell { flag, real, whole };

struct Setting {
    const char* name;
    const char* defaultText;
    const char* description;
    bool ranged;
    float min;
    float max;
    Cell cell;
};

constexpr std::array<Setting, 13> settings{{
    {"slowMoEnabled", "0", "Enable slow motion plugin", false, 0, 0, Cell::flag},
    {"onTouchEnabled", "0", "Count touching the ball as success", false, 0, 0, Cell::flag},
    {"idealAccuracy", "0.7", "Accuracy value to aim for ", true, 0.0f, 1.0f, Cell::real},
    {"slowMoSpeedIncrement", "0.05", "Speed increase/decrease increment.", true, 0.001f, 0.999f, Cell::real},
    {"slowMoMaxSpeed", "150", "Maximum speed limit.", true, 5, 200, Cell::whole},
    {"slowMoMinSpeed", "50", "Minimum speed limit", true, 5, 200, Cell::whole},
    {"showStatus", "1", "Show status bar", false, 0, 0, Cell::flag},
    {"showGameSpeed", "1", "Show game speed", false, 0, 0, Cell::flag},
    {"showPrevAccu", "1", "Show previous accuracy", false, 0, 0, Cell::flag},
    {"showCurrStreak", "1", "Show curr streak", false, 0, 0, Cell::flag},
    {"showTotalCount", "1", "Show show total shots count", false, 0, 0, Cell::flag},
    {"showtotalAccu", "1", "Show show total accuracy ", false, 0, 0, Cell::flag},
    {"showLastShotsAccu", "1", "Show show last 100 shots accuracy ", false, 0, 0, Cell::flag},
}};

constexpr const char* perPackPreHooks[] = {game_function::roundChanged, game_function::carHitBall,
                                           game_function::ballExploded, game_function::goalScored};

// Blocks for ever. Rationale: a wait on a condition nothing signals, not a timed sleep, whose runtime
// function the Windows runtime (Wine's msvcp140) lacks.
void forever() {
    std::mutex mutex;
    std::condition_variable never;
    std::unique_lock<std::mutex> lock(mutex);
    for (;;)
        never.wait(lock);
}

class BrokenKadenzo final : public Halvex::Plugin::HalvexPlugin,
                            public Halvex::Plugin::PluginSettingsWindow,
                            public Halvex::Plugin::PluginWindow {
public:
    void onLoad() override {
        if (fault == Fault::hangInOnLoad) forever();
        for (std::size_t index = 0; index < settings.size(); ++index)
            if (!(fault == Fault::missingVariable && index == 4)) registerAndBind(index);
        if (fault == Fault::hostCallFromThread)
            std::thread([this] { cvarManager->getCvar("slowMoEnabled"); }).join();
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::loadRound,
                                                       [this](ActorWrapper, void*, std::string) { arm(); });
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::editorDestroyed,
                                                       [this](ActorWrapper, void*, std::string) {
                                                           if (*flags[0] && armed)
                                                               static_cast<HalvexPlugin*>(this)->onUnload();
                                                       });
    }

    void onUnload() override {
        if (!armed) return;
        armed = false;
        for (const char* function : perPackPreHooks)
            if (!(fault == Fault::hookLeftAfterOnUnload && function == game_function::ballExploded))
                gameWrapper->UnhookEvent(function);
        gameWrapper->UnhookEventPost(game_function::controllerRestart);
        gameWrapper->UnregisterDrawables();
    }

    void RenderSettingsPanel() override {}
    std::string GetPluginName() override { return "Kadenzo"; }
    void SetImGuiContext(std::uintptr_t) override {}
    void RenderWindow() override {}
    std::string GetMenuName() override { return "Kadenzo"; }
    std::string GetMenuTitle() override { return "Kadenzo"; }
    bool ShouldBlockInput() override { return false; }
    bool IsActiveOverlay() override { return true; }
    void OnOpen() override {}
    void OnClose() override {}

private:
    void registerAndBind(std::size_t index) {
        const Setting& setting = settings[index];
        const char* defaultText = fault == Fault::wrongDefault && index == 2 ? "0.8" : setting.defaultText;
        const CVarWrapper variable =
            cvarManager->registerCvar(setting.name, defaultText, setting.description, true, setting.ranged,
                                      setting.min, setting.ranged, setting.max, true);
        if (setting.cell == Cell::flag) variable.bindTo(flags[index] = std::make_shared<bool>(false));
        if (setting.cell == Cell::real) variable.bindTo(std::make_shared<float>(0.0f));
        if (setting.cell == Cell::whole) variable.bindTo(std::make_shared<int>(0));
    }

    void arm() {
        if (!*flags[0] || armed) return;
        armed = true;
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::roundChanged,
                                                       [](ActorWrapper, void*, std::string) {});
        for (const char* function :
             {game_function::carHitBall, game_function::ballExploded, game_function::goalScored})
            gameWrapper->HookEvent(function, [](std::string) {});
        gameWrapper->HookEventPost(game_function::controllerRestart, [](std::string) {});
        gameWrapper->RegisterDrawable([](CanvasWrapper canvas) { draw(canvas); });
    }

    static void draw(CanvasWrapper& canvas) {
        if (fault == Fault::crashInDrawable) {
            static volatile std::intptr_t nowhere = 0;
            *reinterpret_cast<volatile int*>(nowhere) = 1;
        }
        canvas.SetColor(255, 255, 255, 255);
        canvas.SetPosition(Vector2{10, 10});
        canvas.DrawString("Kadenzo", 1, 1, false, false);
    }

    // The bool cells by the setting's index; slowMoEnabled's is flags[0]. The host keeps its own reference
    // to every cell, so the others need not be kept here.
    std::array<std::shared_ptr<bool>, settings.size()> flags{std::make_shared<bool>(false)};
    bool armed = false;
};

std::shared_ptr<Halvex::Plugin::HalvexPlugin> plugin;

} // namespace

extern "C" {
HALVEX_PLUGIN_API std::uintptr_t getPlugin();
HALVEX_PLUGIN_API void deleteMe();
}

std::uintptr_t getPlugin() {
    if (!plugin) plugin = std::make_shared<BrokenKadenzo>();
    return reinterpret_cast<std::uintptr_t>(&plugin);
}

void deleteMe() {
    plugin.reset();
}

extern "C" {
HALVEX_PLUGIN_API extern const halvex::PluginRecord exports;
const halvex::PluginRecord exports = {halvex::pluginApiVersion,
                                      0,
                                      KADENZO_MAIN_SOURCE,
                                      "Kadenzo",
                                      "Adapt game speed while training",
                                      KADENZO_VERSION,
                                      fault == Fault::wrongRecordInteger ? 3 : 2,
                                      0,
                                      fault == Fault::nullGetPlugin ? nullptr : getPlugin,
                                      deleteMe};
}
