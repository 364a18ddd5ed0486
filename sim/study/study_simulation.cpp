// Playing a study's runs.
#include "study/study_simulation.h"

#include "play/play_session.h"
#include "simulator.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kadenzo::study {

namespace {

StaircaseSetup setupOf(const sim::CoachSettings& settings, const PointRuns& runs, float startSpeed) {
    StaircaseSetup setup;
    setup.player = runs.player;
    setup.targetAccuracy = settings.targetAccuracy;
    setup.speedStep = settings.speedStep;
    setup.lowestPercent = settings.lowestPercent;
    setup.highestPercent = settings.highestPercent;
    setup.startSpeed = startSpeed;
    setup.driftWindows = static_cast<int>(runs.attempts / 10);
    return setup;
}

std::size_t nearestIndex(const std::vector<float>& speeds, float speed) {
    const auto above = std::lower_bound(speeds.begin(), speeds.end(), speed);
    if (above == speeds.begin()) return 0;
    if (above == speeds.end()) return speeds.size() - 1;
    const auto below = std::prev(above);
    return static_cast<std::size_t>((speed - *below <= *above - speed ? below : above) - speeds.begin());
}

// The mean of VALUES and its standard error.
std::pair<double, double> meanAndError(const std::vector<double>& values) {
    double sum = 0.0;
    for (double value : values)
        sum += value;
    const double count = static_cast<double>(values.size());
    const double mean = sum / count;
    double squares = 0.0;
    for (double value : values)
        squares += (value - mean) * (value - mean);
    return {mean, std::sqrt(squares / (count - 1.0) / count)};
}

} // namespace

std::optional<float> sharePercentile(const SimulatedPoint& point, double p) {
    if (point.shareSpeeds.empty() || point.speedShares.size() != point.shareSpeeds.size()) return std::nullopt;
    double below = 0.0;
    for (std::size_t index = 0; index < point.shareSpeeds.size(); ++index) {
        below += point.speedShares[index];
        if (below >= p) return point.shareSpeeds[index];
    }
    return point.shareSpeeds.back();
}

SimulatedPoint simulatePoint(const PointRuns& runs,
                             const std::function<std::vector<float>(const StaircaseSetup&)>& lattice,
                             const std::function<void(long long attemptsPlayed)>& progress) {
    SimulatedPoint point;
    point.runs = runs.runs;
    std::vector<float>& speeds = point.shareSpeeds;
    std::vector<long long> counts;
    std::vector<double> runAccuracies, runSpeeds;
    double speedSum = 0.0, speedSquares = 0.0;
    long long measured = 0;
    for (int run = 0; run < runs.runs; ++run) {
        sim::Simulator simulator;
        sim::loadPlugin(simulator, runs.pluginPath);
        sim::PlayOptions options;
        options.pluginPath = runs.pluginPath;
        options.attempts = runs.attempts;
        options.seed = runs.seed + static_cast<std::uint64_t>(run);
        options.player = runs.player;
        options.settings = runs.settings;
        const std::vector<std::string> clamped = sim::prepareSession(simulator, options);
        if (run == 0) point.clamped = clamped;
        long long successes = 0;
        double runSpeedSum = 0.0;
        sim::SessionEvents events;
        events.started = [&](const sim::CoachSettings& settings) {
            if (run != 0) return;
            const float startSpeed =
                simulator.host.variables().find(halvex::host::gameSpeedVariable)->floatValue();
            point.setup = setupOf(settings, runs, startSpeed);
            speeds = lattice(point.setup);
            counts.assign(speeds.size(), 0);
        };
        const long long playedBefore = static_cast<long long>(run) * runs.attempts;
        events.attempted = [&](long long played, const sim::AttemptRecord& attempt) {
            if (progress && played % progressEvery == 0) progress(playedBefore + played);
            if (played <= runs.burnIn) return;
            successes += attempt.success ? 1 : 0;
            const double speed = attempt.speed;
            runSpeedSum += speed;
            speedSum += speed;
            speedSquares += speed * speed;
            if (!speeds.empty()) ++counts[nearestIndex(speeds, attempt.speed)];
        };
        sim::playSession(simulator, options, events);
        sim::unloadPlugin(simulator);
        const double runMeasured = static_cast<double>(runs.attempts - runs.burnIn);
        measured += runs.attempts - runs.burnIn;
        runAccuracies.push_back(static_cast<double>(successes) / runMeasured);
        runSpeeds.push_back(runSpeedSum / runMeasured);
        if (progress) progress(playedBefore + runs.attempts);
    }
    std::tie(point.meanAccuracy, point.accuracyError) = meanAndError(runAccuracies);
    std::tie(point.meanSpeed, point.speedError) = meanAndError(runSpeeds);
    const double pooledMean = speedSum / static_cast<double>(measured);
    point.speedSd =
        std::sqrt(std::max(0.0, speedSquares / static_cast<double>(measured) - pooledMean * pooledMean));
    for (long long count : counts)
        point.speedShares.push_back(static_cast<double>(count) / static_cast<double>(measured));
    return point;
}

} // namespace kadenzo::study
