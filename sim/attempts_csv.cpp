// Writing a session's attempts as CSV rows.
#include "attempts_csv.h"

#include "console_variables.h"

#include <fmt/format.h>

#include <ostream>

namespace kadenzo::sim {

AttemptsCsv::AttemptsCsv(const std::string& path, std::ostream& standardOutput)
    : standardOutput(standardOutput) {
    if (path != output::standardOutputName) file.emplace(path);
    write("attempt,outcome,speed\n");
}

void AttemptsCsv::add(long long number, const AttemptRecord& attempt) {
    write(fmt::format("{},{},{}\n", number, attempt.success ? "success" : "miss",
                      halvex::host::formatConsoleFloat(attempt.speed)));
}

void AttemptsCsv::finish() {
    if (file)
        file->commit();
    else
        standardOutput.flush();
}

void AttemptsCsv::write(const std::string& text) {
    if (file)
        file->write(text);
    else
        standardOutput << text;
}

} // namespace kadenzo::sim
