// One attempt through the host's dispatch (ball event, restart, controller), and whole simulated
// sessions through the loaded plugin module, without pictures.
#include "Kadenzo.h"
#include "host_state.h"

#include "console.h"
#include "dynamic_library.h"
#include "play_session.h"

#include <benchmark/benchmark.h>

namespace {

const std::string goal = "Function TAGame.Ball_TA.OnHitGoal";
const std::string explode = "Function TAGame.Ball_TA.Explode";
const std::string restart = "Function Engine.Controller.Restart";

// The plugin linked in, armed in custom training, with tracing off.
struct ArmedPlugin {
    halvex::host::HostState host;
    halvex::host::PluginId id = host.addPlugin();
    Kadenzo* plugin = nullptr;

    ArmedPlugin() {
        getPlugin();
        plugin = pluginInstance.get();
        plugin->cvarManager = host.makeCvarManager(id);
        plugin->gameWrapper = host.makeGameWrapper(id);
        static_cast<Halvex::Plugin::HalvexPlugin*>(plugin)->onLoad();
        host.variables().find("slowMoEnabled")->setText("1");
        host.setInCustomTraining(true);
        host.fireEvent("Function TAGame.GameEvent_TrainingEditor_TA.LoadRound", ActorWrapper(0x1000));
        host.fireEvent(restart);
    }
    ~ArmedPlugin() {
        plugin->onUnload();
        host.dropPlugin(id);
        deleteMe();
        moduleCvarManager.reset();
    }
};

// Alternating goals and explosions keep the window near 50 %, so the speed steps every ten.
void oneAttempt(benchmark::State& state) {
    ArmedPlugin armed;
    bool scored = false;
    for (auto _ : state) {
        scored = !scored;
        armed.host.fireEvent(scored ? goal : explode);
        armed.host.fireEvent(restart);
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
