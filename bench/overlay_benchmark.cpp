// One frame of the status overlay through the host's canvas, with tracing off.
#include "Kadenzo.h"
#include "host_state.h"
#include "loader/plugin_attachment.h"

#include <benchmark/benchmark.h>

namespace {

void overlayFrame(benchmark::State& state) {
    halvex::host::HostState host;
    kadenzo::sim::PluginAttachment attachment(host, {&getPlugin, &deleteMe}, "Kadenzo");
    Kadenzo& plugin = static_cast<Kadenzo&>(attachment.plugin());
    host.variables().find("slowMoEnabled")->setText("1");
    host.setInCustomTraining(true);
    host.fireEvent(game_function::loadRound, ActorWrapper(0x1000));
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

    attachment.detach();
    moduleCvarManager.reset();
}
BENCHMARK(overlayFrame);

} // namespace
