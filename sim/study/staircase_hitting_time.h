// The expected cost of a chain's walk until it first stands at one state, solved as the stationary
// distribution is: by censoring states one at a time with sums of non-negative terms only, so that the
// answer cannot come out negative or blow up where a plain solve of (I - Q) h = c cancels.
#pragma once

#include "study/staircase_chain.h"

#include <vector>

namespace kadenzo::study {

// For each state, the expected sum of COST over the moves made from it until the walk first stands at
// TARGET (zero at TARGET itself). Every state must reach TARGET.
std::vector<double> hittingCosts(const StaircaseChain& chain, std::size_t target,
                                 const std::vector<double>& cost);

} // namespace kadenzo::study
