// The console's lines on Windows: read plainly after the prompt; the console edits lines and keeps
// their history itself. Ctrl+C is held while the console runs (platform/requests_to_end.h): the console
// then ends the read of the line being typed as if the input had ended, which here is told apart from
// the real end by the interrupt held, and a fresh prompt follows.
#include "console/line_editor.h"

#include "console/script_reader.h"
#include "platform/requests_to_end.h"

#include <cstdio>

namespace kadenzo::sim {

namespace {

constexpr const char* inputName = "<stdin>";

// How long the end of the input waits for a Ctrl+C that ended the read (platform::awaitHeldInterrupt).
constexpr int interruptLatenessMilliseconds = 200;

class ConsoleLines : public ScriptReader {
public:
    explicit ConsoleLines(std::ostream& out) : ScriptReader(stdin, inputName, &out) {}

    bool next(std::string& line) override {
        // A Ctrl+C while the last command ran: the console showed it; the prompt goes on a line of its own.
        if (platform::takeHeldInterrupt()) std::fputs("\n", stdout);
        while (!ScriptReader::next(line)) {
            if (!platform::awaitHeldInterrupt(interruptLatenessMilliseconds)) return false;
            std::clearerr(stdin);
            std::fputs("\n", stdout);
        }
        return true;
    }
};

} // namespace

std::unique_ptr<LineSource> openTerminalInput(LineEditing /*editing*/, std::ostream& out) {
    return std::make_unique<ConsoleLines>(out);
}

} // namespace kadenzo::sim
