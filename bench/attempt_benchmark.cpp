// One attempt through the host's dispatch (ball event, restart, controller) beside its floor, and whole
// simulated sessions through the loaded plugin module, without pictures.
//
// Index of this file:
// - One attempt: through the host, and its floor
// - Sessions
#include "Kadenzo.h"
#include "host_state.h"

#include "console/console.h"
#include "game/attempt_codes.h"
#include "loader/dynamic_library.h"
#include "loader/modules.h"
#include "loader/plugin_attachment.h"
#include "play/play_session.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The plugin linked in, armed in custom training, with tracing off.
struct ArmedPlugin {
    halvex::host::HostState host;
    kadenzo::sim::PluginAttachment attachment{host, {&getPlugin, &deleteMe}, "Kadenzo"};
    Kadenzo* plugin = static_cast<Kadenzo*>(&attachment.plugin());

    ArmedPlugin() {
        host.variables().find("slowMoEnabled")->setText("1");
        host.setInCustomTraining(true);
        host.fireEvent(game_function::loadRound, ActorWrapper(0x1000));
        host.fireEvent(game_function::controllerRestart);
    }
    ~ArmedPlugin() {
        attachment.detach();
        moduleCvarManager.reset();
    }
};

// ---- One attempt -------------------------------------------------------------------------------

// Alternating goals and explosions keep the window near 50 %, so the speed steps every ten.
void oneAttempt(benchmark::State& state) {
    ArmedPlugin armed;
    bool scored = false;
    for (auto _ : state) {
        scored = !scored;
        kadenzo::sim::playAttempts(
            scored ? "G" : "X", [&armed](const char* functionName) { armed.host.fireEvent(functionName); });
    }
    benchmark::DoNotOptimize(armed.plugin->totalShots);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(oneAttempt);

// The hooks the plugin registered on one game function, called as the host calls them: each with the
// function's name, which a hook takes by value.
struct FunctionHooks {
    std::string name;
    halvex::host::EventHooks::Registered hooks;

    FunctionHooks(halvex::host::HostState& host, const char* functionName)
        : name(functionName), hooks(host.hooks().registeredOn(functionName)) {}

    void call() const {
        for (const halvex::host::EventHook& hook : hooks.pre)
            hook.onEvent(name);
        for (const GameWrapper::EventCallback& callback : hooks.post)
            callback(name);
    }
};

// The floor of oneAttempt: the plugin's own work for the same attempts, its hooks called straight from
// copies taken beforehand, without the host finding the function and walking its hooks. What the
// plugin's hooks call in the host (the training check, the speed variable) stays in, contract checks
// included: it cannot be taken apart from the plugin's work without changing the plugin.
void oneAttemptFloor(benchmark::State& state) {
    ArmedPlugin armed;
    const FunctionHooks goal(armed.host, game_function::goalScored);
    const FunctionHooks explosion(armed.host, game_function::ballExploded);
    const FunctionHooks restart(armed.host, game_function::controllerRestart);
    bool scored = false;
    for (auto _ : state) {
        scored = !scored;
        (scored ? goal : explosion).call();
        restart.call();
    }
    benchmark::DoNotOptimize(armed.plugin->totalShots);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(oneAttemptFloor);

// ---- Sessions ----------------------------------------------------------------------------------

void playSession(benchmark::State& state) {
    const std::string pluginPath =
        kadenzo::sim::executableDirectory() + "/" + kadenzo::sim::pluginModuleFileName();
    const auto attempts = state.range(0);
    for (auto _ : state) {
        kadenzo::sim::Simulator simulator;
        kadenzo::sim::loadPlugin(simulator, pluginPath);
        const kadenzo::sim::PlayOptions options =
            kadenzo::sim::parsePlayOptions({"--attempts", std::to_string(attempts)}, pluginPath);
        kadenzo::sim::prepareSession(simulator, options);
        const auto result = kadenzo::sim::playSession(simulator, options, {});
        benchmark::DoNotOptimize(result.finalSpeed);
    }
    state.SetItemsProcessed(state.iterations() * attempts);
}
BENCHMARK(playSession)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
