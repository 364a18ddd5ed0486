// WORK IN PROGRESS: replaced by the real checks before this lands.
#include "checks.h"

namespace kadenzo::validate {

void checkRecordLayout(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkGetPluginOnce(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkDeleteMeIdempotent(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkFreshAfterDeleteMe(CheckContext&) {
    throw CheckFailure("not written yet");
}

void checkHostCopyKeepsObject(CheckContext&) {
    throw CheckFailure("not written yet");
}

} // namespace kadenzo::validate
