// Helpers for tests of the files kadenzo-sim writes: a fresh folder per test, and the message of the
// error an action throws.
#pragma once

#include "error_message.h"
#include "output/output_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace output_test {

// A folder of its own for each test, under the test's temporary folder, removed afterwards.
class FolderTest : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::u8path(testing::TempDir()) /
                 (std::string("output_") + test->test_suite_name() + "_" + test->name());
        removeFolder();
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { removeFolder(); }

    // NAME in the test's folder.
    std::string path(const std::string& name) const {
        return (folder / std::filesystem::u8path(name)).u8string();
    }

    // The names in SUBFOLDER of the test's folder (the folder itself by default), sorted.
    std::vector<std::string> entries(const std::string& subfolder = ".") const {
        std::vector<std::string> names;
        for (const auto& entry :
             std::filesystem::directory_iterator(folder / std::filesystem::u8path(subfolder)))
            names.push_back(entry.path().filename().u8string());
        std::sort(names.begin(), names.end());
        return names;
    }

    void writeFile(const std::string& name, const std::string& contents) const {
        std::ofstream(folder / std::filesystem::u8path(name), std::ios::binary) << contents;
    }

    std::string contents(const std::string& name) const {
        std::ifstream file(folder / std::filesystem::u8path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    std::filesystem::path folder;

private:
    // Read-only files inside must become writable before Windows lets them go.
    void removeFolder() const {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
            if (!entry.is_symlink(ignored))
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                             std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder, ignored);
    }
};

// Makes FOLDER the working folder until destroyed, so that a relative name can reach a test's folder.
// Rationale: on Windows the temporary folder may be on another drive than the working folder, and no
// relative name leads from one drive to another.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder) : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous;
};

// The message of the OutputError ACTION throws, or "" when it throws none.
template <typename Action> std::string outputErrorOf(Action&& action) {
    return messageOf<kadenzo::output::OutputError>(action);
}

// Writes CONTENTS to TARGET through an OutputFile and commits it.
inline void writeWhole(const std::string& target, const std::string& contents) {
    kadenzo::output::OutputFile file(target);
    file.write(contents);
    file.commit();
}

} // namespace output_test
