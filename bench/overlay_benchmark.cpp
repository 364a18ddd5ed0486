// One frame of the status overlay through the host's canvas, with tracing off.
#include "Kadenzo.h"
#include "host_state.h"

#include <benchmark/benchmark.h>

namespace {

void overlayFrame(benchmark::State& state) {
    halvex::host::HostState host;
    const halvex::host::PluginId id = host.addPlugin();
    getPlugin();
    Kadenzo& plugin = *pluginInstance;
    plugin.cvarManager = host.makeCvarManager(id);
    plugin.gameWrapper = host.makeGameWrapper(id);
    static_cast<Halvex::Plugin::HalvexPlugin&>(plugin).onLoad();
    host.variables().find("slowMoEnabled")->setText("1");
    host.setInCustomTraining(true);
    host.fireEvent("Function TAGame.GameEvent_TrainingEditor_TA.LoadRound", ActorWrapper(0x1000));
    // A session well under way: every line has several digits to format.
    plugin.totalShots = 1234;
    plugin.totalSuccesses = 901;
    plugin.currentStreak = 12;
    plugin.previousAccuracy = 0.7f;

    for (auto _ : state) {
        halvex::host::Canvas canvas(host, Vector2{1920, 1080});
        host.renderFrame(canvas);
        benchmark::DoNotOptimize(canvas.texts().data());
    }
    state.SetItemsProcessed(state.iterations());

    plugin.onUnload();
    host.dropPlugin(id);
    deleteMe();
    moduleCvarManager.reset();
}
BENCHMARK(overlayFrame);

} // namespace
