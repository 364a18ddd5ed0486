// study.png: what a sweep shows a player at a glance.
#pragma once

#include "render/scene.h"
#include "study/study_report.h"

namespace kadenzo::study {

// Left, the mean accuracy of each point against its target, the chain's and the simulation's (with
// its standard error), and the diagonal where the two would be equal; right, the chain's stationary
// speed distribution of each point, a row each, the simulation's shares marked over it.
render::Scene studyScene(const StudyResult& result);

} // namespace kadenzo::study
