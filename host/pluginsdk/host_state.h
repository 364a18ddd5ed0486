// Everything the host holds for its plugins: console variables, hooks, drawables, the game's
// training state and the trace of plugin calls. The embedding program owns one HostState and hands
// each loaded plugin wrappers that point into it.
#pragma once

#include "call_contract.h"
#include "canvas.h"
#include "console_variables.h"
#include "event_hooks.h"
#include "registration_list.h"

#include "halvex/cvar_manager_wrapper.h"
#include "halvex/export.h"
#include "halvex/game_functions.h"
#include "halvex/game_wrapper.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace halvex::host {

// The game's own speed variable; 1.0 is normal speed. It takes only what is a speed: no NaN, no
// infinity, nothing at or below 0.
using ::gameSpeedVariable;
inline constexpr ValueRule gameSpeedRule = ValueRule::finitePositive;

class HALVEX_SDK_API HostState {
public:
    using LineSink = std::function<void(const std::string& line)>;

    HostState();
    HostState(const HostState&) = delete;
    HostState& operator=(const HostState&) = delete;

    ConsoleVariables& variables() { return consoleVariables; }
    const ConsoleVariables& variables() const { return consoleVariables; }
    EventHooks& hooks() { return eventHooks; }

    // ---- Plugins and their registrations
    PluginId addPlugin();
    // The host is about to call the plugin's onLoad; from now on its calls into the host are carried out.
    void startPlugin(PluginId plugin) { callContract.admit(plugin); }
    // Drops every hook, drawable and variable binding the plugin made, and refuses its calls from now
    // on. Values stay.
    void dropPlugin(PluginId plugin);
    // Checks every call a plugin makes into the host (call_contract.h).
    CallContract& contract() { return callContract; }
    std::shared_ptr<CVarManagerWrapper> makeCvarManager(PluginId plugin);
    std::shared_ptr<GameWrapper> makeGameWrapper(PluginId plugin);

    // ---- Bindings
    // Called when a plugin hands the host a cell to bind to a variable, before the host writes the
    // variable's value into it: the observer sees what the plugin's cell held until then. Unset by
    // default.
    using BindingObserver =
        std::function<void(const ConsoleVariable& variable, const ConsoleVariable::Cell& cell)>;
    void setBindingObserver(BindingObserver observer) { bindingObserver = std::move(observer); }
    // Binds CELL to VARIABLE for PLUGIN: the observer sees the cell first, then it takes the value.
    void bind(PluginId plugin, ConsoleVariable& variable, ConsoleVariable::Cell cell);

    // ---- Game
    void fireEvent(std::string_view functionName, ActorWrapper caller = ActorWrapper(),
                   void* params = nullptr);
    void addDrawable(PluginId owner, GameWrapper::DrawableCallback callback);
    void removeDrawablesOf(PluginId owner);
    std::size_t drawableCount() const { return drawables.size(); }
    // Calls every drawable once with the canvas.
    void renderFrame(Canvas& canvas);

    bool inCustomTraining() const { return customTraining; }
    void setInCustomTraining(bool inTraining) { customTraining = inTraining; }

    // ---- Console commands a plugin issues; the embedding program decides what they do.
    void setCommandHandler(LineSink handler) { commandHandler = std::move(handler); }
    void executeCommand(const std::string& command);

    // ---- Trace of every call a plugin makes into the host, one line each
    void setTraceSink(LineSink sink) { traceSink = std::move(sink); }
    void setTracing(bool enabled) { tracingEnabled = enabled; }
    bool tracing() const { return tracingEnabled && traceSink; }
    void trace(const std::string& line) const;

private:
    CallContract callContract;
    ConsoleVariables consoleVariables;
    EventHooks eventHooks;
    RegistrationList<GameWrapper::DrawableCallback> drawables;
    PluginId nextPlugin = 1;
    bool customTraining = false;
    bool tracingEnabled = false;
    LineSink traceSink;
    LineSink commandHandler;
    BindingObserver bindingObserver;
};

} // namespace halvex::host
