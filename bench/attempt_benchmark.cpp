// One attempt through the host's dispatch (ball event, restart, controller), and whole simulated
// sessions through the loaded plugin module, without pictures.
#include "Kadenzo.h"
#include "host_state.h"

#include "console/console.h"
#include "game/attempt_codes.h"
#include "loader/dynamic_library.h"
#include "loader/modules.h"
#include "loader/plugin_attachment.h"
#include "play/play_session.h"

#include <benchmark/benchmark.h>

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

void playSession(benchmark::State& state) {
    const std::string pluginPath =
        kadenzo::sim::executableDirectory() + "/" + kadenzo::sim::pluginModuleFileName();
    const auto attempts = state.range(0);
    for (auto _ : state) {
        kadenzo::sim::Simulator simulator;
        kadenzo::sim::loadPlugin(simulator, pluginPath);
        const kadenzo::sim::PlayOptions options =
            kadenzo::sim::parsePlayOptions({"--attempts", std::to_string(attempts)}, pluginPath);
        const auto result = kadenzo::sim::playSession(simulator, options, nullptr);
        benchmark::DoNotOptimize(result.finalSpeed);
    }
    state.SetItemsProcessed(state.iterations() * attempts);
}
BENCHMARK(playSession)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
