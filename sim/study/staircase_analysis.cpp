#include "study/staircase_analysis.h"

#include "speed_controller.h"
#include "study/staircase_balance.h"
#include "study/staircase_chain.h"
#include "study/staircase_hitting_time.h"
#include "study/staircase_lattice.h"
#include "study/staircase_window_counts.h"
#include "study/stationary_distribution.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <stdexcept>

namespace kadenzo::study {

StepTable pluginStepTable(float targetAccuracy) {
    StepTable steps{};
    for (int successes = 0; successes <= attemptsPerWindow; ++successes)
        steps[successes] = windowSpeedSteps(successes, targetAccuracy);
    return steps;
}

namespace {

constexpr std::size_t largestStep = 2;

// The chain on the whole lattice, and for each node the player's chance of success, the chance of a step
// whose landing the drift decides and the landings it decides.
struct LatticeChain {
    StaircaseChain chain;
    std::vector<double> successChance;
    std::vector<double> driftDecidedChance;
    std::vector<std::vector<float>> driftDecidedLandings;
};

double driftAt(const StaircaseLattice& lattice, const StaircaseSetup& setup, std::size_t node) {
    const std::size_t stepsFromStart = node > lattice.start ? node - lattice.start : lattice.start - node;
    // The node's own rounding on the way from the start, the windows' since, and the landing step's.
    return lattice.unitDrift *
           (static_cast<double>(setup.driftWindows) + static_cast<double>(stepsFromStart) + 1.0);
}

LatticeChain latticeChain(const StaircaseLattice& lattice, const StaircaseSetup& setup,
                          const StepTable& steps) {
    const std::size_t n = lattice.speeds.size();
    LatticeChain result{StaircaseChain(n, largestStep), std::vector<double>(n, 0.0),
                        std::vector<double>(n, 0.0), std::vector<std::vector<float>>(n)};
    const sim::PlayerModel player(setup.player, 0);
    for (std::size_t node = 0; node < n; ++node) {
        const float speed = lattice.speeds[node];
        result.successChance[node] = player.successChance(speed);
        const auto chances = windowCountChances(result.successChance[node]);
        const double drift = driftAt(lattice, setup, node);
        for (int successes = 0; successes <= attemptsPerWindow; ++successes) {
            const int step = steps[successes];
            const std::optional<Landing> landing = landingOf(speed, step, setup);
            const auto reached = static_cast<long long>(node) + step;
            const bool taken = landing && landing->withinLimits && reached >= 0 &&
                               reached < static_cast<long long>(n);
            result.chain.at(node, taken ? static_cast<std::size_t>(reached) : node) += chances[successes];
            if (step != 0 && landing &&
                driftDecides(landing->speed, drift, setup.lowestPercent, setup.highestPercent)) {
                result.driftDecidedChance[node] += chances[successes];
                result.driftDecidedLandings[node].push_back(landing->speed);
            }
        }
    }
    return result;
}

// The states that a walk from FROMS can stand at (FORWARDS), or that can walk to one of FROMS (not
// FORWARDS), ascending; only states for which KEEP says 1 are walked through.
std::vector<std::size_t> walk(const StaircaseChain& chain, const std::vector<std::size_t>& froms,
                              bool forwards, const std::vector<char>& keep) {
    std::vector<char> seen(chain.size(), 0);
    std::vector<std::size_t> waiting = froms;
    for (const std::size_t from : froms)
        seen[from] = 1;
    while (!waiting.empty()) {
        const std::size_t state = waiting.back();
        waiting.pop_back();
        for (std::size_t next = chain.bandBegin(state); next < chain.bandEnd(state); ++next) {
            const double chance = forwards ? chain.at(state, next) : chain.at(next, state);
            if (!seen[next] && keep[next] && chance > 0.0) {
                seen[next] = 1;
                waiting.push_back(next);
            }
        }
    }
    std::vector<std::size_t> reached;
    for (std::size_t state = 0; state < chain.size(); ++state)
        if (seen[state]) reached.push_back(state);
    return reached;
}

std::vector<char> marked(std::size_t size, const std::vector<std::size_t>& states) {
    std::vector<char> marks(size, 0);
    for (const std::size_t state : states)
        marks[state] = 1;
    return marks;
}

// The chain on STATES (ascending) alone: moves between them keep within the band, as the states in
// between that are left out are never stood at from these.
StaircaseChain chainOn(const StaircaseChain& chain, const std::vector<std::size_t>& states) {
    StaircaseChain part(states.size(), largestStep);
    for (std::size_t a = 0; a < states.size(); ++a)
        for (std::size_t b = part.bandBegin(a); b < part.bandEnd(a); ++b)
            if (chain.inBand(states[a], states[b])) part.at(a, b) = chain.at(states[a], states[b]);
    return part;
}

// The one set of states that the walk from START settles in, among REACHABLE (those it can stand at):
// a set that it cannot leave and whose states all lead to each other. Narrowed from REACHABLE, which it
// cannot leave either: while some state of the set cannot lead back to its first, the set becomes what
// that state reaches; while the first does not lead to all of it, what the first reaches. Throws when a state
// reachable from START cannot reach the set found, as the walk may then settle elsewhere.
std::vector<std::size_t> settlingStates(const StaircaseChain& chain,
                                        const std::vector<std::size_t>& reachable) {
    std::vector<std::size_t> settling = reachable;
    for (;;) {
        const std::vector<std::size_t> leadingBack =
            walk(chain, {settling.front()}, false, marked(chain.size(), settling));
        if (leadingBack.size() != settling.size()) {
            std::vector<std::size_t> strays;
            std::set_difference(settling.begin(), settling.end(), leadingBack.begin(), leadingBack.end(),
                                std::back_inserter(strays));
            settling = walk(chain, {strays.front()}, true, marked(chain.size(), settling));
            continue;
        }
        std::vector<std::size_t> led = walk(chain, {settling.front()}, true, marked(chain.size(), settling));
        if (led.size() == settling.size()) break;
        settling = std::move(led);
    }
    if (walk(chain, settling, false, marked(chain.size(), reachable)).size() != reachable.size())
        throw std::invalid_argument("the speed can settle in more than one place; the step table leaves the "
                                    "long run to chance");
    return settling;
}

// The sd and the 10th and 90th percentiles of the speeds under the stationary chances, the mean known.
void describeSpread(SpeedAnalysis& analysis) {
    double variance = 0.0;
    double below = 0.0;
    bool p10Found = false;
    bool p90Found = false;
    for (std::size_t r = 0; r < analysis.speeds.size(); ++r) {
        const double speed = analysis.speeds[r];
        variance += analysis.stationary[r] * (speed - analysis.meanSpeed) * (speed - analysis.meanSpeed);
        below += analysis.stationary[r];
        if (!p10Found && below >= 0.1) {
            analysis.speedP10 = speed;
            p10Found = true;
        }
        if (!p90Found && below >= 0.9) {
            analysis.speedP90 = speed;
            p90Found = true;
        }
    }
    analysis.speedSd = std::sqrt(variance);
    // Rounding may leave the total a hair below a mark near the top.
    if (!p90Found) analysis.speedP90 = analysis.speeds.back();
    if (!p10Found) analysis.speedP10 = analysis.speeds.back();
}

} // namespace

SpeedAnalysis analyseStaircase(const StaircaseSetup& setup, const StepTable& steps) {
    for (const int step : steps)
        if (std::abs(step) > static_cast<int>(largestStep))
            throw std::invalid_argument("a window steps the speed by at most two increments");
    const StaircaseLattice lattice = staircaseLattice(setup);
    const LatticeChain whole = latticeChain(lattice, setup, steps);

    const std::vector<std::size_t> reachable =
        walk(whole.chain, {lattice.start}, true, std::vector<char>(lattice.speeds.size(), 1));
    const std::vector<std::size_t> settling = settlingStates(whole.chain, reachable);
    const StaircaseChain settled = chainOn(whole.chain, settling);
    const std::vector<double> settledPi = stationaryDistribution(settled);

    SpeedAnalysis analysis;
    analysis.residual = stationaryResidual(settled, settledPi);
    std::size_t mostLikely = 0; // an index of reachable, as is startAt
    std::size_t startAt = 0;
    double farthest = 0.0;
    for (std::size_t r = 0; r < reachable.size(); ++r) {
        const std::size_t node = reachable[r];
        const auto inSettling = std::lower_bound(settling.begin(), settling.end(), node);
        const double chance = inSettling != settling.end() && *inSettling == node
                                  ? settledPi[static_cast<std::size_t>(inSettling - settling.begin())]
                                  : 0.0;
        const float speed = lattice.speeds[node];
        analysis.speeds.push_back(speed);
        analysis.stationary.push_back(chance);
        analysis.meanAccuracy += chance * whole.successChance[node];
        analysis.meanSpeed += chance * speed;
        analysis.driftSensitiveChance += chance * whole.driftDecidedChance[node];
        for (const float landing : whole.driftDecidedLandings[node])
            analysis.driftSensitiveSpeeds.push_back(landing);
        farthest = std::max(farthest, driftAt(lattice, setup, node));
        if (chance > analysis.stationary[mostLikely]) mostLikely = r;
        if (node == lattice.start) startAt = r;
    }
    std::sort(analysis.driftSensitiveSpeeds.begin(), analysis.driftSensitiveSpeeds.end());
    analysis.driftSensitiveSpeeds.erase(
        std::unique(analysis.driftSensitiveSpeeds.begin(), analysis.driftSensitiveSpeeds.end()),
        analysis.driftSensitiveSpeeds.end());
    analysis.driftBound = farthest;

    describeSpread(analysis);
    analysis.mostLikelySpeed = analysis.speeds[mostLikely];

    const std::vector<double> attemptsPerMove(reachable.size(), static_cast<double>(attemptsPerWindow));
    analysis.attemptsToMostLikely =
        hittingCosts(chainOn(whole.chain, reachable), mostLikely, attemptsPerMove)[startAt];
    analysis.balanceAccuracy = balanceChance(steps);
    return analysis;
}

} // namespace kadenzo::study
