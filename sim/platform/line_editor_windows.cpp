// The console's lines on Windows: read plainly after the prompt; the console edits lines and keeps
// their history itself.
#include "platform/line_editor.h"

#include "script_reader.h"

#include <cstdio>

namespace kadenzo::platform {

std::unique_ptr<sim::LineSource> openTerminalInput(LineEditing /*editing*/, std::ostream& out) {
    return std::make_unique<sim::ScriptReader>(stdin, "<stdin>", &out);
}

} // namespace kadenzo::platform
