// What the checks share: the module opened as the host opens it, a host of the check's own that traces
// every plugin call, what the plugin keeps registered there, and comparing lists of calls.
//
// Index of this file:
// - OpenedModule, handleAt(): for checks that call the entry points themselves
// - TracedHost: a watched host with the game around it and the plugin attached
// - loadWatched(): the same for a whole Simulator
// - HookedFunction, Registrations: hooks on the seven game functions and drawables
// - callsDifference(), unorderedCallsDifference(): the first way two lists of calls differ
#pragma once

#include "validate/check.h"

#include "game/game_simulation.h"
#include "host_ui/host_interface.h"
#include "loader/dynamic_library.h"
#include "loader/loaded_plugin.h"
#include "loader/plugin_attachment.h"
#include "simulator.h"

#include "halvex/game_functions.h"
#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "host_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::validate {

// ---- The entry points --------------------------------------------------------------------------

// The module under test, loaded and its record checked as the host checks it before calling anything.
// Throws std::runtime_error saying why the host would refuse the module.
class OpenedModule {
public:
    explicit OpenedModule(const std::string& path);

    const halvex::PluginRecord& record() const { return exported; }
    sim::PluginEntryPoints entryPoints() const { return {exported.getPlugin, exported.deleteMe}; }

private:
    sim::DynamicLibrary library;
    const halvex::PluginRecord& exported;
};

using PluginHandle = std::shared_ptr<Halvex::Plugin::HalvexPlugin>;

// The module's handle at ADDRESS, which getPlugin returned; fails the check when it is 0.
PluginHandle& handleAt(std::uintptr_t address);

// ---- A host of the check's own -----------------------------------------------------------------

// A host watched by the check (CheckContext::watch), in custom training, tracing every call the plugin
// makes into a list the check takes. The plugin is loaded from the module under test as the host loads
// it, and unloaded before the host and its interface go.
class TracedHost {
public:
    explicit TracedHost(CheckContext& context);
    TracedHost(const TracedHost&) = delete;
    TracedHost& operator=(const TracedHost&) = delete;
    ~TracedHost();

    // LoadedPlugin: getPlugin, the host's services, onLoad. Throws std::runtime_error when that fails.
    void load();
    // onUnload, the host drops the plugin's registrations, deleteMe, the module closes. Fails the check
    // when an entry point failed.
    void unload();
    // Valid between load() and unload().
    sim::LoadedPlugin& plugin() const { return *loaded; }

    // Sets a variable as the console does; fails the check when there is no such variable or the host
    // refuses the text.
    void set(const std::string& name, const std::string& text);
    // Calls a game function as the game does: training-editor functions on the editor.
    void fire(const char* functionName) { game.fire(functionName); }
    // The calls traced since the last take, one line each ("plugin hook-post Function ...").
    std::vector<std::string> takeCalls();

    // The host's Dear ImGui interface, made on first use; the check hands it to the plugin's windows
    // (HostInterface::attach). unload() takes it away from them first.
    sim::HostInterface& ui();

    halvex::host::HostState host;
    sim::GameSimulation game{host};

private:
    const std::string modulePath;
    std::vector<std::string> calls;
    std::unique_ptr<sim::HostInterface> hostInterface;
    std::unique_ptr<sim::LoadedPlugin> loaded; // last: goes first, while the host and its interface are
};

// Makes the simulator's host report into the check, then loads the module under test into it.
void loadWatched(CheckContext& context, sim::Simulator& simulator);

// ---- Registrations -----------------------------------------------------------------------------

// The game functions the plugin hooks: the two it hooks in onLoad for its whole life, then the five of
// a training pack, with the calls that hook and unhook each as the host traces them.
struct HookedFunction {
    const char* name;
    bool longLived;
    const char* hookCall;   // "plugin hook-caller"
    const char* unhookCall; // "plugin unhook"; null for a long-lived hook, which the plugin never removes
};

inline constexpr HookedFunction hookedFunctions[] = {
    {game_function::loadRound, true, "plugin hook-caller", nullptr},
    {game_function::editorDestroyed, true, "plugin hook-caller", nullptr},
    {game_function::roundChanged, false, "plugin hook-caller", "plugin unhook"},
    {game_function::carHitBall, false, "plugin hook", "plugin unhook"},
    {game_function::ballExploded, false, "plugin hook", "plugin unhook"},
    {game_function::goalScored, false, "plugin hook", "plugin unhook"},
    {game_function::controllerRestart, false, "plugin hook-post", "plugin unhook-post"},
};
inline constexpr std::size_t hookedFunctionCount = 7;
static_assert(std::size(hookedFunctions) == hookedFunctionCount, "two long-lived hooks and five per pack");

// What the host holds: hooks on each of hookedFunctions, and drawables.
struct Registrations {
    std::array<std::size_t, hookedFunctionCount> hooks{};
    std::size_t drawables = 0;
};

Registrations registrationsOf(halvex::host::HostState& host);
// What a loaded plugin keeps registered: the long-lived hooks, and while armed the pack's five and its
// drawable.
Registrations loadedRegistrations(bool armed);
// The first difference, as "1 hook remains on Function ..., expected none"; nothing when they agree.
std::optional<std::string> registrationsDifference(const Registrations& actual,
                                                   const Registrations& expected);
// Fails the check, naming WHEN ("after unloading"), unless the host holds no hook on any of the game
// functions, no drawable and no binding of a console variable: what a host with no plugin holds.
void requireNothingRegistered(halvex::host::HostState& host, const std::string& when);

// ---- Calls -------------------------------------------------------------------------------------

// The first difference between two lists of calls: "call 3 is 'A', expected 'B'", "call 7 'A' is one
// too many", "call 5 'B' is missing"; nothing when they are the same.
std::optional<std::string> callsDifference(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected);
// The same in any order: "'A' was not called", "'B' was called once too often".
std::optional<std::string> unorderedCallsDifference(const std::vector<std::string>& actual,
                                                    const std::vector<std::string>& expected);

// "a hook", "2 hooks", "no drawable": a count with its noun for messages.
std::string countOf(std::size_t count, const std::string& noun);

} // namespace kadenzo::validate
