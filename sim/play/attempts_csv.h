// The CSV of a play session, one row per attempt, written as the session goes.
#pragma once

#include "output/output_file.h"

#include <fmt/format.h>

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace kadenzo::sim {

struct AttemptRecord {
    bool success = false;
    float speed = 1.0f; // game speed when the attempt was taken
};

// Rows go to PATH through output::OutputFile, so the file appears only when finish() puts it in place
// and nothing is left of it should the session fail; or, when PATH is "-", straight to STANDARD_OUTPUT.
// Throws output::OutputError when the file cannot be written.
class AttemptsCsv {
public:
    AttemptsCsv(const std::string& path, std::ostream& standardOutput);

    // Attempt NUMBER, counted from 1.
    void add(long long number, const AttemptRecord& attempt);
    void finish();

private:
    void write(std::string_view text);

    std::optional<output::OutputFile> file;
    std::ostream& standardOutput;
    fmt::memory_buffer row;
};

} // namespace kadenzo::sim
