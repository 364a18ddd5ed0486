// The transition matrix of a chain whose states lie on a line and move at most `reach` states at a
// time, as the speed of the coach's staircase does (two increments either way): only the band of the
// matrix within `reach` of its diagonal is stored.
#pragma once

#include <cstddef>
#include <vector>

namespace kadenzo::study {

class StaircaseChain {
public:
    StaircaseChain(std::size_t states, std::size_t reach)
        : stateCount(states), bandReach(reach), band(states * (2 * reach + 1), 0.0) {}

    std::size_t size() const { return stateCount; }
    std::size_t reach() const { return bandReach; }

    // Whether FROM may move to TO at all, that is whether TO lies within the band.
    bool inBand(std::size_t from, std::size_t to) const {
        return to < stateCount && (from > to ? from - to : to - from) <= bandReach;
    }
    // The chance of moving from FROM to TO; both within the band.
    double& at(std::size_t from, std::size_t to) { return band[cell(from, to)]; }
    double at(std::size_t from, std::size_t to) const { return band[cell(from, to)]; }

    // The first and one past the last state of the band of row FROM.
    std::size_t bandBegin(std::size_t from) const { return from > bandReach ? from - bandReach : 0; }
    std::size_t bandEnd(std::size_t from) const {
        return from + bandReach + 1 < stateCount ? from + bandReach + 1 : stateCount;
    }

private:
    std::size_t cell(std::size_t from, std::size_t to) const {
        return from * (2 * bandReach + 1) + (to + bandReach - from);
    }

    std::size_t stateCount;
    std::size_t bandReach;
    std::vector<double> band;
};

} // namespace kadenzo::study
