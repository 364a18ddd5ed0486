// WORK IN PROGRESS: replaced by the real checks before this lands.
#include "checks.h"

namespace kadenzo::validate {

void checkLifecycleTransitions(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkLifecycleRandomEvents(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkUnloadClears(CheckContext&) {
    throw CheckFailure("not written yet");
}

} // namespace kadenzo::validate
