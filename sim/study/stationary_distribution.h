// The long run of a chain of speeds, solved without subtraction: Grassmann, Taksar and Heyman's
// elimination, which censors the states one at a time and keeps every quantity a sum of non-negative
// terms, so that the chances come out accurate to rounding even when some are tiny.
#pragma once

#include "study/staircase_chain.h"

#include <vector>

namespace kadenzo::study {

// The stationary distribution of CHAIN, which must be irreducible (every state reaches every other).
std::vector<double> stationaryDistribution(const StaircaseChain& chain);

// The sum over the states of |(pi P) - pi|: how far PI is from standing still under CHAIN.
double stationaryResidual(const StaircaseChain& chain, const std::vector<double>& pi);

} // namespace kadenzo::study
