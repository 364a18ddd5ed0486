// Console detection on Windows.
#include "platform/terminal.h"

#include <io.h>

namespace kadenzo::platform {

bool standardInputIsTerminal() {
    return _isatty(0) != 0;
}

} // namespace kadenzo::platform
