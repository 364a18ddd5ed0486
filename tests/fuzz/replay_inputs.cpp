// Replays inputs of the console fuzzer without libFuzzer: every file given, and every file in each
// folder given (except README.md and names starting with a dot), through the same runConsoleInput.
// A fault shows as it would in any program: a crash, or a sanitizer's report in a sanitizer build.
#include "console_input.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool isInput(const fs::path& path) {
    const std::string name = path.filename().string();
    return fs::is_regular_file(path) && name != "README.md" && name.front() != '.';
}

// The input files named by the arguments, each folder's in the order of their names.
std::vector<fs::path> inputFiles(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int index = 1; index < argc; ++index) {
        const fs::path argument = argv[index];
        if (!fs::is_directory(argument)) {
            files.push_back(argument);
            continue;
        }
        std::vector<fs::path> inFolder;
        for (const fs::directory_entry& entry : fs::directory_iterator(argument))
            if (isInput(entry.path())) inFolder.push_back(entry.path());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " FILE_OR_FOLDER...\n";
        return 2;
    }
    const std::vector<fs::path> files = inputFiles(argc, argv);
    kadenzo::fuzz::prepareConsoleInputs();
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << file.string() << '\n';
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::cout << "replaying " << file.string() << std::endl;
        kadenzo::fuzz::runConsoleInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << "replayed " << files.size() << " inputs without a fault" << std::endl;
    return 0;
}
