#include "study/staircase_lattice.h"

#include "speed_controller.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace kadenzo::study {

namespace {

// Far more nodes than limits of 5 % to 200 % hold at the smallest increment, 0.001.
constexpr std::size_t mostNodes = 100000;
// Nodes beyond each limit, where a two-increment step the drift lets in could land.
constexpr int nodesBeyond = 2;

bool belowHighest(float speed, int highestPercent) {
    return speed * 100.0f <= static_cast<float>(highestPercent);
}
bool aboveLowest(float speed, int lowestPercent) {
    return speed * 100.0f >= static_cast<float>(lowestPercent);
}

} // namespace

StaircaseLattice staircaseLattice(const StaircaseSetup& setup) {
    const float step = setup.speedStep;
    if (!(std::isfinite(step) && step > 0.0f))
        throw std::invalid_argument("the speed step must be a positive number");
    if (!(std::isfinite(setup.startSpeed) && setup.startSpeed > 0.0f))
        throw std::invalid_argument("the start speed must be a positive number");
    if (setup.driftWindows < 0) throw std::invalid_argument("the windows of drift must not be negative");

    std::vector<float> above;
    float speed = setup.startSpeed;
    for (int beyond = 0; beyond < nodesBeyond;) {
        speed = steppedSpeed(speed, 1, step);
        if (!belowHighest(speed, setup.highestPercent)) ++beyond;
        above.push_back(speed);
        if (above.size() > mostNodes) throw std::invalid_argument("the limits hold too many speed steps");
    }
    std::vector<float> below;
    speed = setup.startSpeed;
    for (int beyond = 0; beyond < nodesBeyond;) {
        speed = steppedSpeed(speed, -1, step);
        if (!(speed > 0.0f)) break;
        if (!aboveLowest(speed, setup.lowestPercent)) ++beyond;
        below.push_back(speed);
        if (below.size() > mostNodes) throw std::invalid_argument("the limits hold too many speed steps");
    }

    StaircaseLattice lattice;
    lattice.speeds.assign(below.rbegin(), below.rend());
    lattice.start = lattice.speeds.size();
    lattice.speeds.push_back(setup.startSpeed);
    lattice.speeds.insert(lattice.speeds.end(), above.begin(), above.end());
    const float fastest = lattice.speeds.back() + 2.0f * step;
    lattice.unitDrift =
        static_cast<double>(std::nextafter(fastest, std::numeric_limits<float>::infinity()) - fastest);
    return lattice;
}

bool driftDecides(float landing, double drift, int lowestPercent, int highestPercent) {
    const auto within = [&](double speed) {
        return withinSpeedLimits(static_cast<float>(speed), lowestPercent, highestPercent);
    };
    const double slowest = static_cast<double>(landing) - drift;
    const double fastest = static_cast<double>(landing) + drift;
    const bool atLanding = within(landing);
    if (within(slowest) != atLanding || within(fastest) != atLanding) return true;
    // The limits may lie wholly inside the reach of the drift.
    return !atLanding && slowest * 100.0 < lowestPercent && fastest * 100.0 > highestPercent &&
           lowestPercent <= highestPercent;
}

} // namespace kadenzo::study
