// Where a transformed up-down staircase settles, after Levitt (1971): at the chance of success for which
// a window is as likely to step the speed up as down.
#pragma once

#include "study/staircase_analysis.h"

namespace kadenzo::study {

// The chance of success at which a window of ten attempts steps up (a positive entry of STEPS) as often
// as down, found by bisection to within 1e-12. 0 when even a sure failure steps up at least as often as
// down, 1 when even a sure success steps down at least as often as up.
double balanceChance(const StepTable& steps);

} // namespace kadenzo::study
