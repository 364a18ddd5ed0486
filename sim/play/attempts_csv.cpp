// Writing a session's attempts as CSV rows.
#include "play/attempts_csv.h"

#include "console_variables.h"

#include <fmt/format.h>

#include <iterator>
#include <ostream>

namespace kadenzo::sim {

AttemptsCsv::AttemptsCsv(const std::string& path, std::ostream& standardOutput)
    : standardOutput(standardOutput) {
    if (path != output::standardOutputName) file.emplace(path);
    write("attempt,outcome,speed\n");
}

// Formatted into one buffer kept for every row, since a session may have billions of them.
void AttemptsCsv::add(long long number, const AttemptRecord& attempt) {
    row.clear();
    fmt::format_to(std::back_inserter(row), "{},{},{}\n", number, attempt.success ? "success" : "miss",
                   halvex::host::formatConsoleFloat(attempt.speed));
    write(std::string_view(row.data(), row.size()));
}

void AttemptsCsv::finish() {
    if (file)
        file->commit();
    else
        standardOutput.flush();
}

void AttemptsCsv::write(std::string_view text) {
    if (file)
        file->write(text);
    else
        standardOutput << text;
}

} // namespace kadenzo::sim
