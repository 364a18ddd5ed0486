#include "study/staircase_lattice.h"

#include "number_text.h"
#include "speed_controller.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

namespace kadenzo::study {

namespace {

// Far more nodes than limits of 5 % to 200 % hold at the smallest increment, 0.001.
constexpr std::size_t mostNodes = 100000;
// Nodes beyond each limit, where a two-increment step the drift lets in could land.
constexpr int nodesBeyond = 2;

bool belowHighest(std::int64_t millionths, int highestPercent) {
    return withinSpeedLimits(millionths, std::numeric_limits<int>::min(), highestPercent);
}
bool aboveLowest(std::int64_t millionths, int lowestPercent) {
    return withinSpeedLimits(millionths, lowestPercent, std::numeric_limits<int>::max());
}

// One unit in the last place of SPEED's float.
double unitInLastPlace(float speed) {
    return static_cast<double>(std::nextafter(speed, std::numeric_limits<float>::infinity()) - speed);
}

// How far the plugin's speed may move from the lattice's value in one window. None when every step lands
// exactly on the millionths the lattice adds up: the start is a whole number of millionths, and the
// float sum of a speed the chain stands at (at most STANDING) and up to two increments, each a float near
// a whole number of millionths, stays within half a millionth of the exact decimal sum, so rounding to
// millionths undoes the floats' rounding. The sum is off by at most half a unit in the last place of the
// speed, half one of the sum and the increments' own errors; the margin below half a millionth is for
// the product by 10^6 in double. Otherwise each step rounds to the nearest millionth once, and the sum's
// own rounding adds a unit in the last place of the fastest landing, FASTEST.
double driftPerWindow(const StaircaseSetup& setup, float standing, float fastest) {
    const double increment = static_cast<double>(setup.speedStep);
    const double incrementError = std::fabs(increment - std::round(increment * 1e6) / 1e6);
    const bool startOnMillionths = speedOfMillionths(*speedMillionths(setup.startSpeed)) == setup.startSpeed;
    const float landing = standing + 2.0f * setup.speedStep;
    const double sumError =
        (unitInLastPlace(standing) + unitInLastPlace(landing)) / 2.0 + 2.0 * incrementError;
    if (startOnMillionths && sumError * 1e6 < 0.49) return 0.0;
    return 1e-6 + unitInLastPlace(fastest);
}

// The fastest speed the chain can stand at without the drift: the start, or a node within the limits.
float fastestStanding(const std::vector<float>& speeds, const StaircaseSetup& setup) {
    float fastest = setup.startSpeed;
    for (const float speed : speeds)
        if (withinSpeedLimits(speed, setup.lowestPercent, setup.highestPercent)) fastest = std::max(fastest, speed);
    return fastest;
}

// Why the walk from the start found more speeds than mostNodes. Rationale: within limits of 5 % to 200 %
// even the smallest increment gives under 2,000, so the cause is a start far outside the limits (a game
// speed of 1e7 walks towards 150 % by 0.05, which a float that large cannot even take), unless the
// limits themselves are that wide.
std::invalid_argument tooManySpeeds(const StaircaseSetup& setup) {
    if (!withinSpeedLimits(setup.startSpeed, setup.lowestPercent, setup.highestPercent))
        return std::invalid_argument(fmt::format(
            "the start speed, {:.3g}%, lies outside the limits, {}% to {}%, more increments of {} "
            "away than the chain can hold",
            static_cast<double>(setup.startSpeed) * 100.0, setup.lowestPercent, setup.highestPercent,
            shortest(setup.speedStep)));
    return std::invalid_argument("the limits hold too many speed steps");
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
        const std::optional<std::int64_t> landing = steppedMillionths(speed, 1, step);
        if (!landing) break;
        if (!belowHighest(*landing, setup.highestPercent)) ++beyond;
        speed = speedOfMillionths(*landing);
        above.push_back(speed);
        if (above.size() > mostNodes) throw tooManySpeeds(setup);
    }
    std::vector<float> below;
    speed = setup.startSpeed;
    for (int beyond = 0; beyond < nodesBeyond;) {
        const std::optional<std::int64_t> landing = steppedMillionths(speed, -1, step);
        if (!landing || *landing <= 0) break;
        if (!aboveLowest(*landing, setup.lowestPercent)) ++beyond;
        speed = speedOfMillionths(*landing);
        below.push_back(speed);
        if (below.size() > mostNodes) throw tooManySpeeds(setup);
    }

    StaircaseLattice lattice;
    lattice.speeds.assign(below.rbegin(), below.rend());
    lattice.start = lattice.speeds.size();
    lattice.speeds.push_back(setup.startSpeed);
    lattice.speeds.insert(lattice.speeds.end(), above.begin(), above.end());
    lattice.unitDrift = driftPerWindow(setup, fastestStanding(lattice.speeds, setup),
                                       lattice.speeds.back() + 2.0f * step);
    return lattice;
}

std::optional<Landing> landingOf(float speed, int steps, const StaircaseSetup& setup) {
    const std::optional<std::int64_t> millionths = steppedMillionths(speed, steps, setup.speedStep);
    if (!millionths) return std::nullopt;
    return Landing{speedOfMillionths(*millionths),
                   withinSpeedLimits(*millionths, setup.lowestPercent, setup.highestPercent)};
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
