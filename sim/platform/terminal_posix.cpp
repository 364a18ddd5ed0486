// Terminal detection on POSIX systems.
#include "platform/terminal.h"

#include <unistd.h>

namespace kadenzo::platform {

bool standardInputIsTerminal() {
    return ::isatty(STDIN_FILENO) != 0;
}

} // namespace kadenzo::platform
