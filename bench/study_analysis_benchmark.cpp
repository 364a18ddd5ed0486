// The study's analysis of one point: the speed controller's chain built, solved and summed up, beside
// the work no analysis can skip, the chance of each count of successes at each speed of the lattice.
// The argument is the increment in thousandths: 50 is the default (20 speeds), 1 the finest the plugin
// takes (1,000 speeds between 50 % and 150 %).
#include "study/staircase_analysis.h"
#include "study/staircase_window_counts.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kadenzo::study;

StaircaseSetup setupOf(const benchmark::State& state) {
    StaircaseSetup setup;
    setup.speedStep = static_cast<float>(state.range(0)) / 1000.0f;
    return setup;
}

void studyAnalysisOfOnePoint(benchmark::State& state) {
    const StaircaseSetup setup = setupOf(state);
    const StepTable steps = pluginStepTable(setup.targetAccuracy);
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseStaircase(setup, steps).meanAccuracy);
}
BENCHMARK(studyAnalysisOfOnePoint)->Arg(50)->Arg(1)->Unit(benchmark::kMicrosecond);

// The floor: the binomial chances of each count at each speed the analysis stands on.
void studyAnalysisFloor(benchmark::State& state) {
    const StaircaseSetup setup = setupOf(state);
    const std::vector<float> speeds = analyseStaircase(setup, pluginStepTable(setup.targetAccuracy)).speeds;
    const kadenzo::sim::PlayerModel player(setup.player, 0);
    for (auto _ : state) {
        double sum = 0.0;
        for (const float speed : speeds)
            sum += windowCountChances(player.successChance(speed))[attemptsPerWindow];
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(studyAnalysisFloor)->Arg(50)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
