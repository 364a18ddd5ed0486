#include "study/staircase_hitting_time.h"

namespace kadenzo::study {

namespace {

// The states still in the chain, always a run lo..hi around the target; censoring one of its ends keeps
// every move within the band.
struct Run {
    std::size_t lo;
    std::size_t hi;
    bool holds(std::size_t state) const { return lo <= state && state <= hi; }
};

// Censors K out of the run: a move into K is followed on to where K goes next, and the cost of K's stay
// is charged to the move into it. Returns K's chance of leaving for the rest of the run.
double censor(StaircaseChain& chain, std::vector<double>& cost, std::size_t k, Run rest) {
    double leaving = 0.0;
    for (std::size_t j = chain.bandBegin(k); j < chain.bandEnd(k); ++j)
        if (j != k && rest.holds(j)) leaving += chain.at(k, j);
    for (std::size_t i = chain.bandBegin(k); i < chain.bandEnd(k); ++i) {
        if (i == k || !rest.holds(i) || chain.at(i, k) == 0.0) continue;
        const double share = chain.at(i, k) / leaving;
        cost[i] += share * cost[k];
        for (std::size_t j = chain.bandBegin(k); j < chain.bandEnd(k); ++j)
            if (j != k && j != i && rest.holds(j)) chain.at(i, j) += share * chain.at(k, j);
        chain.at(i, k) = 0.0;
    }
    return leaving;
}

} // namespace

std::vector<double> hittingCosts(const StaircaseChain& chain, std::size_t target,
                                 const std::vector<double>& cost) {
    StaircaseChain censored = chain;
    std::vector<double> charged = cost;
    const std::size_t n = censored.size();
    std::vector<double> leaving(n, 0.0);
    // The states above the target from the top down, then those below it from the bottom up.
    std::vector<std::size_t> order;
    Run run{0, n - 1};
    while (run.hi > target) {
        const std::size_t k = run.hi--;
        leaving[k] = censor(censored, charged, k, run);
        order.push_back(k);
    }
    while (run.lo < target) {
        const std::size_t k = run.lo++;
        leaving[k] = censor(censored, charged, k, run);
        order.push_back(k);
    }
    // Back again: each state's moves lead only to states censored after it, or to the target.
    std::vector<double> hitting(n, 0.0);
    for (auto k = order.rbegin(); k != order.rend(); ++k) {
        double onwards = charged[*k];
        for (std::size_t j = censored.bandBegin(*k); j < censored.bandEnd(*k); ++j)
            if (j != *k) onwards += censored.at(*k, j) * hitting[j];
        hitting[*k] = onwards / leaving[*k];
    }
    return hitting;
}

} // namespace kadenzo::study
