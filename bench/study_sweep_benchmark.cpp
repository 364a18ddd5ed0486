// kadenzo-sim study's default sweep (nine targets, 20 runs x 10,000 attempts each) beside its floor:
// the same attempts played through the loaded plugin module as play plays them, without the study's
// analysis, measuring and comparing.
#include "loader/modules.h"
#include "play/play_session.h"
#include "simulator.h"
#include "study/study_command.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string builtPlugin() {
    return kadenzo::sim::executableDirectory() + "/" + kadenzo::sim::pluginModuleFileName();
}

void defaultSweep(benchmark::State& state) {
    kadenzo::study::StudyOptions options;
    options.pluginPath = builtPlugin();
    long long attempts = 0;
    for (auto _ : state) {
        const kadenzo::study::StudyResult result = kadenzo::study::runSweep(options);
        benchmark::DoNotOptimize(result.points.back().simulated.meanAccuracy);
        attempts += static_cast<long long>(result.points.size()) * options.runs * options.attempts;
    }
    state.SetItemsProcessed(attempts);
}
BENCHMARK(defaultSweep)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor: the sweep's nine targets, each 20 sessions of 10,000 attempts in a fresh simulator.
void defaultSweepFloor(benchmark::State& state) {
    const kadenzo::study::StudyOptions defaults;
    long long attempts = 0;
    for (auto _ : state)
        for (const double target : kadenzo::study::sweepValues(defaults.sweep))
            for (int run = 0; run < defaults.runs; ++run) {
                kadenzo::sim::Simulator simulator;
                kadenzo::sim::loadPlugin(simulator, builtPlugin());
                kadenzo::sim::PlayOptions options;
                options.attempts = defaults.attempts;
                options.seed = defaults.seed + static_cast<std::uint64_t>(run);
                options.settings = {{"idealAccuracy", kadenzo::study::sweepValueText(target)}};
                kadenzo::sim::prepareSession(simulator, options);
                benchmark::DoNotOptimize(kadenzo::sim::playSession(simulator, options, {}).finalSpeed);
                attempts += options.attempts;
            }
    state.SetItemsProcessed(attempts);
}
BENCHMARK(defaultSweepFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
