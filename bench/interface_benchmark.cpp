// One frame of the host's interface with the loaded plugin module: its settings page inside the host's
// settings window, and its own window. Dear ImGui's work and the plugin's calls into the host (the
// page looks up and reads its thirteen variables every frame) are both in the figure.
#include "dynamic_library.h"
#include "simulator.h"

#include <benchmark/benchmark.h>

namespace {

void interfaceFrame(benchmark::State& state, bool settingsPage) {
    kadenzo::sim::Simulator simulator;
    kadenzo::sim::loadPlugin(simulator, kadenzo::sim::executableDirectory() + "/" +
                                            kadenzo::sim::pluginModuleFileName());
    if (settingsPage)
        simulator.ui.setSettingsShown(true);
    else
        simulator.ui.toggleMenu("Kadenzo");
    // The pointer rests on the page, as while a person reads it.
    simulator.ui.input().pointerX = 200;
    simulator.ui.input().pointerY = 200;
    for (auto _ : state) {
        simulator.ui.frame(Vector2{1920, 1080});
        benchmark::DoNotOptimize(simulator.ui.drawData());
    }
    state.SetItemsProcessed(state.iterations());
}

void settingsPageFrame(benchmark::State& state) {
    interfaceFrame(state, true);
}
BENCHMARK(settingsPageFrame);

void pluginWindowFrame(benchmark::State& state) {
    interfaceFrame(state, false);
}
BENCHMARK(pluginWindowFrame);

} // namespace
