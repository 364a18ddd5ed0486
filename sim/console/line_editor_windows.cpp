// The console's lines on Windows: read plainly after the prompt; the console edits lines and keeps
// their history itself.
#include "console/line_editor.h"

#include "console/script_reader.h"

#include <cstdio>

namespace kadenzo::sim {

std::unique_ptr<LineSource> openTerminalInput(LineEditing /*editing*/, std::ostream& out) {
    return std::make_unique<ScriptReader>(stdin, "<stdin>", &out);
}

} // namespace kadenzo::sim
