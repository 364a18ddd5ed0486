// A small plugin that behaves like Kadenzo wherever the validator looks, but for one fault chosen by the
// module (broken_plugin_fault.h: this source is compiled once, and each module links it with a
// one-line source naming its fault, tests/validate/CMakeLists.txt; `none` keeps the host's contract). The validator's own tests run `kadenzo-sim validate` on each and expect the check that looks
// there to catch it, and the build without a fault to pass the checks it can be put to.
//
// Like Kadenzo: the record, getPlugin and deleteMe with one module-wide handle; onLoad registers and binds
// the thirteen settings variables of plugin/settings_table.h, then hooks LoadRound and Destroyed;
// LoadRound with slowMoEnabled arms (the four pre hooks, the post hook and a drawable that draws a line of
// text); Destroyed while armed and enabled, or the host's onUnload, disarms; the two window interfaces
// named "Kadenzo". Unlike Kadenzo it draws no Dear ImGui windows.
//
// Index of this file:
// - Fault: what each build gets wrong
// - The cells: those the variables are bound to
// - Outside the contract: a process left running, a forged result, a flood of output, a hang
// - The plugin object: BrokenKadenzo
// - getPlugin, deleteMe and the record
#include "broken_plugin_fault.h"
#include "module_info.h"
#include "plugin_identity.h"
#include "settings_table.h"

#include "halvex/game_functions.h"
#include "halvex/plugin.h"
#include "halvex/plugin_record.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// ---- Fault ---------------------------------------------------------------------------------------

// The module's fault, from the one-line source built with it (broken_plugin_fault.h).
const Fault fault = brokenFault;

// ---- The cells -----------------------------------------------------------------------------------

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

constexpr std::size_t idealAccuracyRow = 2, maxSpeedRow = 4;

constexpr const char* perPackPreHooks[] = {game_function::roundChanged, game_function::carHitBall,
                                           game_function::ballExploded, game_function::goalScored};

// ---- Outside the contract ------------------------------------------------------------------------

// A process that stays, with every descriptor of the check's process.
void startLingerer() {
#ifndef _WIN32
    if (::fork() == 0)
        for (;;)
            ::pause();
#endif
}

// What a plugin may write to pass for the check's result: a pass, bare and with a made-up token.
void writeForgedPasses() {
    const char forged[] = "result PASS\nresult 00000000000000000000000000000000 PASS\n";
#ifdef _WIN32
    // A descriptor that is not open is then an error returned, not the end of the process.
    _set_invalid_parameter_handler(
        [](const wchar_t*, const wchar_t*, const wchar_t*, unsigned, std::uintptr_t) {});
#endif
    for (int fd = 0; fd < 1024; ++fd)
#ifdef _WIN32
        static_cast<void>(_write(fd, forged, static_cast<unsigned>(sizeof forged - 1)));
#else
        static_cast<void>(::write(fd, forged, sizeof forged - 1));
#endif
    std::_Exit(0);
}

// 100 MiB.
void flood() {
    const std::string block(1 << 16, 'x');
    for (int count = 0; count < 1600; ++count)
        std::fwrite(block.data(), 1, block.size(), count % 2 == 0 ? stdout : stderr);
    std::fflush(stdout);
}

// Blocks for ever. Rationale: a wait on a condition nothing signals, not a timed sleep, whose runtime
// function the Windows runtime (Wine's msvcp140) lacks.
void forever() {
    std::mutex mutex;
    std::condition_variable never;
    std::unique_lock<std::mutex> lock(mutex);
    for (;;)
        never.wait(lock);
}

// ---- The plugin object -----------------------------------------------------------------------------

class BrokenKadenzo final : public Halvex::Plugin::HalvexPlugin,
                            public Halvex::Plugin::PluginSettingsWindow,
                            public Halvex::Plugin::PluginWindow {
public:
    BrokenKadenzo() {
        for (std::size_t row = 0; row < settingsCount; ++row)
            cells[row] = makeCell(settingsTable[row]);
    }

    void onLoad() override {
        if (fault == Fault::hangInOnLoad) forever();
        if (fault == Fault::floodsOutput) flood();
        for (std::size_t row = 0; row < settingsCount; ++row)
            if (!(fault == Fault::missingVariable && row == maxSpeedRow)) registerAndBind(row);
        if (fault == Fault::hostCallFromThread)
            std::thread([this] { cvarManager->getCvar(setting::slowMoEnabled.name); }).join();
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::loadRound,
                                                       [this](ActorWrapper, void*, std::string) { arm(); });
        gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::editorDestroyed,
                                                       [this](ActorWrapper, void*, std::string) {
                                                           if (enabled() && armed)
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
        if (fault != Fault::keepsDrawable) gameWrapper->UnregisterDrawables();
    }

    void RenderSettingsPanel() override {}
    std::string GetPluginName() override { return pluginClassName; }
    void SetImGuiContext(std::uintptr_t) override {}
    void RenderWindow() override {}
    std::string GetMenuName() override { return pluginClassName; }
    std::string GetMenuTitle() override {
        return fault == Fault::wrongMenuTitle ? "Broken" : pluginClassName;
    }
    bool ShouldBlockInput() override { return false; }
    bool IsActiveOverlay() override { return true; }
    void OnOpen() override {}
    void OnClose() override {}

private:
    void registerAndBind(std::size_t row) {
        const Setting& setting = settingsTable[row];
        const bool wrong = fault == Fault::wrongDefault && row == idealAccuracyRow;
        const CVarWrapper variable =
            cvarManager->registerCvar(setting.name, wrong ? "0.8" : setting.defaultText, setting.description,
                                      true, setting.hasMin, setting.min, setting.hasMax, setting.max, true);
        std::visit([&](const auto& cell) { variable.bindTo(cell); }, cells[row]);
    }

    bool enabled() const { return *std::get<std::shared_ptr<bool>>(cells[0]); } // slowMoEnabled

    void arm() {
        if (!enabled() || (armed && fault != Fault::armsTwice)) return;
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
        if (fault == Fault::exitInDrawable) std::exit(0);
        canvas.SetColor(255, 255, 255, 255);
        canvas.SetPosition(Vector2{10, 10});
        canvas.DrawString(pluginClassName, 1, 1, false, false);
    }

    Cell cells[settingsCount];
    bool armed = false;
};

std::shared_ptr<Halvex::Plugin::HalvexPlugin> plugin;

} // namespace

// ---- getPlugin, deleteMe and the record ------------------------------------------------------------

extern "C" {
HALVEX_PLUGIN_API std::uintptr_t getPlugin();
HALVEX_PLUGIN_API void deleteMe();
}

std::uintptr_t getPlugin() {
    if (fault == Fault::forksInGetPlugin) startLingerer();
    if (fault == Fault::forgesResult) writeForgedPasses();
    if (!plugin || fault == Fault::newObjectEachCall) plugin = std::make_shared<BrokenKadenzo>();
    return reinterpret_cast<std::uintptr_t>(&plugin);
}

void deleteMe() {
    if (fault != Fault::deleteMeKeepsObject) plugin.reset();
}

extern "C" {
HALVEX_PLUGIN_API extern const halvex::PluginRecord exports;
const halvex::PluginRecord exports = {halvex::pluginApiVersion,
                                      0,
                                      KADENZO_MAIN_SOURCE,
                                      pluginClassName,
                                      pluginTitle,
                                      KADENZO_VERSION,
                                      fault == Fault::wrongRecordInteger ? 3 : pluginType,
                                      fault == Fault::wrongRecordInteger ? 1 : 0,
                                      fault == Fault::nullGetPlugin ? nullptr : getPlugin,
                                      deleteMe};
}
