// WORK IN PROGRESS: replaced by the real checks before this lands.
#include "checks.h"

namespace kadenzo::validate {

void checkWindowNames(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkWindowInputAndOverlay(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkSettingsBeforeOnLoad(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkContractSession(CheckContext&) {
    throw CheckFailure("not written yet");
}

} // namespace kadenzo::validate
