// One frame of the host's interface with the loaded plugin module: its settings page inside the host's
// settings window, and its own window. Dear ImGui's work and the plugin's calls into the host (the
// page looks up and reads its thirteen variables every frame) are both in the figure. The floor is a
// frame of the same host that shows nothing of the plugin's: Dear ImGui's own cost of a frame.
#include "loader/dynamic_library.h"
#include "loader/modules.h"
#include "simulator.h"

#include <benchmark/benchmark.h>

namespace {

enum class Shown { nothing, settingsPage, pluginWindow };

void interfaceFrame(benchmark::State& state, Shown shown) {
    kadenzo::sim::Simulator simulator;
    kadenzo::sim::loadPlugin(simulator, kadenzo::sim::executableDirectory() + "/" +
                                            kadenzo::sim::pluginModuleFileName());
    if (shown == Shown::settingsPage) simulator.ui.setSettingsShown(true);
    if (shown == Shown::pluginWindow) simulator.ui.toggleMenu("Kadenzo");
    // The pointer rests on the page, as while a person reads it.
    simulator.ui.input().pointerX = 200;
    simulator.ui.input().pointerY = 200;
    for (auto _ : state) {
        simulator.ui.frame(Vector2{1920, 1080});
        benchmark::DoNotOptimize(simulator.ui.drawData());
    }
    state.SetItemsProcessed(state.iterations());
}

void emptyInterfaceFrame(benchmark::State& state) {
    interfaceFrame(state, Shown::nothing);
}
BENCHMARK(emptyInterfaceFrame);

void settingsPageFrame(benchmark::State& state) {
    interfaceFrame(state, Shown::settingsPage);
}
BENCHMARK(settingsPageFrame);

void pluginWindowFrame(benchmark::State& state) {
    interfaceFrame(state, Shown::pluginWindow);
}
BENCHMARK(pluginWindowFrame);

} // namespace
