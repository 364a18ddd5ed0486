// WORK IN PROGRESS: replaced by the real checks before this lands.
#include "checks.h"

namespace kadenzo::validate {

void checkHostileSettings(CheckContext&) {
    throw CheckFailure("not written yet");
}

} // namespace kadenzo::validate
