// study.png: what a sweep shows a player at a glance.
#pragma once

#include "render/scene.h"
#include "study/study_report.h"

namespace kadenzo::study {

// Left, the accuracy the player trains at against the swept value, worked out and played (with its
// standard error), the balance point, and where accuracy equals the target; both axes scaled to the
// data with round ticks. Right, a row a point: the worked-out chance of each speed as a bar and the
// share played as a tick over it. Labels along an axis keep apart however many points there are: the
// rows are labelled every K-th when they crowd.
render::Scene studyScene(const StudyResult& result);

} // namespace kadenzo::study
