#include "study/stationary_distribution.h"

#include <cmath>

namespace kadenzo::study {

// Censoring state k out of the chain on states 0..k: a move from i to k is followed on to where k goes
// next among 0..k-1, each with k's chance of going there over its chance of going to any of them (its
// chance of leaving, summed rather than taken from one). The diagonal is never read.
std::vector<double> stationaryDistribution(const StaircaseChain& chain) {
    StaircaseChain censored = chain;
    const std::size_t n = censored.size();
    for (std::size_t k = n; k-- > 1;) {
        double leaving = 0.0;
        for (std::size_t j = censored.bandBegin(k); j < k; ++j)
            leaving += censored.at(k, j);
        for (std::size_t i = censored.bandBegin(k); i < k; ++i) {
            censored.at(i, k) /= leaving;
            for (std::size_t j = censored.bandBegin(k); j < k; ++j)
                if (i != j) censored.at(i, j) += censored.at(i, k) * censored.at(k, j);
        }
    }
    std::vector<double> pi(n, 0.0);
    if (n == 0) return pi;
    pi[0] = 1.0;
    double total = 1.0;
    for (std::size_t k = 1; k < n; ++k) {
        for (std::size_t i = censored.bandBegin(k); i < k; ++i)
            pi[k] += pi[i] * censored.at(i, k);
        total += pi[k];
        // Over a long lattice the chances relative to the first state's may exceed any double: scaled
        // down by the total so far, the chances too small to matter beside it go to zero instead.
        if (total > 1e100) {
            for (std::size_t i = 0; i <= k; ++i)
                pi[i] /= total;
            total = 1.0;
        }
    }
    for (double& chance : pi)
        chance /= total;
    return pi;
}

double stationaryResidual(const StaircaseChain& chain, const std::vector<double>& pi) {
    double residual = 0.0;
    for (std::size_t j = 0; j < chain.size(); ++j) {
        double arriving = 0.0;
        for (std::size_t i = chain.bandBegin(j); i < chain.bandEnd(j); ++i)
            arriving += pi[i] * chain.at(i, j);
        residual += std::fabs(arriving - pi[j]);
    }
    return residual;
}

} // namespace kadenzo::study
