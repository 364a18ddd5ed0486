// The checks, one function each; check_table.cpp names them and gives their order.
#pragma once

#include "validate/check.h"

namespace kadenzo::validate {

// module_checks.cpp: the record and the two exported functions
void checkRecordLayout(CheckContext& context);
void checkGetPluginOnce(CheckContext& context);
void checkDeleteMeIdempotent(CheckContext& context);
void checkFreshAfterDeleteMe(CheckContext& context);
void checkHostCopyKeepsObject(CheckContext& context);

// registration_checks.cpp: what onLoad registers
void checkOnLoadRegistrations(CheckContext& context);

// lifecycle_checks.cpp: arming, disarming, the per-pack set, unloading
void checkLifecycleTransitions(CheckContext& context);
void checkLifecycleRandomEvents(CheckContext& context);
void checkUnloadClears(CheckContext& context);

// window_checks.cpp: the two window interfaces
void checkWindowNames(CheckContext& context);
void checkWindowInputAndOverlay(CheckContext& context);
void checkSettingsBeforeOnLoad(CheckContext& context);
void checkContractSession(CheckContext& context);

// churn_check.cpp, hostile_settings_check.cpp, frame_budget_checks.cpp
void checkChurn(CheckContext& context);
void checkHostileSettings(CheckContext& context);
void checkOverlayFrameBudget(CheckContext& context);
void checkSettingsFrameBudget(CheckContext& context);

} // namespace kadenzo::validate
