// The console fuzzer: libFuzzer's entry points around runConsoleInput (console_input.h).
#include "console_input.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// The arguments with libFuzzer's reports of failed inputs sent to an absolute place: where they were
// sent, made absolute, or else the starting folder.
// Rationale: inputs run in a scratch folder, and an input that crashes or hangs is written out while it
// runs, from there; a relative place would put the report in the scratch folder, which goes.
std::vector<std::string> argumentsWithAbsoluteReports(int argc, char** argv) {
    std::vector<std::string> arguments(argv, argv + argc);
    bool placed = false;
    for (std::string& argument : arguments)
        for (const std::string option : {"-artifact_prefix=", "-exact_artifact_path="})
            if (startsWith(argument, option)) {
                const std::string path = argument.substr(option.size());
                if (!path.empty()) argument = option + fs::absolute(path).string();
                placed = true;
            }
    if (!placed) arguments.push_back("-artifact_prefix=" + fs::current_path().string() + "/");
    return arguments;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // libFuzzer reads the arguments after this returns; they must outlive it.
    static std::vector<std::string> arguments = argumentsWithAbsoluteReports(*argc, *argv);
    static std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    *argc = static_cast<int>(arguments.size());
    *argv = pointers.data();
    kadenzo::fuzz::prepareConsoleInputs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadenzo::fuzz::runConsoleInput(data, size);
    return 0;
}
