// The files of one run: an output is never written over an input of the run or over another of its
// outputs, however the two are spelled (relative and absolute, through "." or "..", a file that does not
// exist yet), and the message names both and what the other one is; nor over a file the process has
// loaded (under another name: output_file_posix_test.cpp).
//
// Index of this file:
// - Outputs naming inputs
// - Outputs naming each other
// - Kept files
// - Files the process has loaded
#include "output/run_files.h"
#include "output_test_support.h"
#include "platform/child_process.h"
#include "platform/loaded_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kadenzo::output::checkTarget;
using kadenzo::output::declareInput;
using kadenzo::output::declareOutput;
using kadenzo::output::FileUse;
using kadenzo::output::OutputFile;
using kadenzo::output::Purpose;
using kadenzo::output::RunFiles;
using output_test::outputErrorOf;
using Names = std::vector<std::string>;

class RunFilesTest : public output_test::FolderTest {
protected:
    // The working folder is the test folder's parent, so that a relative name reaches the test's folder.
    void SetUp() override {
        FolderTest::SetUp();
        workingFolder.emplace(folder.parent_path());
    }
    void TearDown() override {
        workingFolder.reset();
        FolderTest::TearDown();
    }

    // NAME in the test's folder, spelled from the working folder.
    std::string relativePath(const std::string& name) const {
        return (folder.filename() / fs::u8path(name)).u8string();
    }
    // NAME in the test's folder, through a "." and a "..".
    std::string roundaboutPath(const std::string& name) const {
        fs::create_directories(folder / "sub");
        return (folder / "." / "sub" / ".." / fs::u8path(name)).u8string();
    }

private:
    std::optional<output_test::WorkingFolder> workingFolder;
};

// ---- Outputs naming inputs ---------------------------------------------------------------------

TEST_F(RunFilesTest, AnOutputIsNeverAnInputWhateverItsSpelling) {
    writeFile("module.so", "module");
    for (const std::string& spelling :
         {path("module.so"), relativePath("module.so"), roundaboutPath("module.so")}) {
        const RunFiles files;
        declareInput(path("module.so"), "the module under test");
        EXPECT_EQ(outputErrorOf([&] { declareOutput(spelling, "the JSON report (--json)"); }),
                  spelling == path("module.so") ? "cannot write " + spelling + ": it is the module under test"
                                                : "cannot write " + spelling + ": it is the same file as " +
                                                      path("module.so") + ", the module under test");
        // Nor when nobody declared it: any file written goes through the same check.
        EXPECT_NE(outputErrorOf([&] { OutputFile file(spelling); }), "");
    }
    EXPECT_EQ(contents("module.so"), "module");
    EXPECT_EQ(entries(), (Names{"module.so", "sub"}));
}

TEST_F(RunFilesTest, AnInputDeclaredAfterAnOutputIsRefusedToo) {
    const RunFiles files;
    declareOutput(path("result.csv"), "the CSV file (--csv)");
    writeFile("result.csv", "a module after all");
    EXPECT_EQ(outputErrorOf([&] { declareInput(relativePath("result.csv"), "the plugin module"); }),
              "cannot write " + path("result.csv") + ": it is the same file as " +
                  relativePath("result.csv") + ", the plugin module");
}

TEST_F(RunFilesTest, KadenzoSimItselfIsAnInputOfEveryRun) {
    const RunFiles files;
    const std::string self = kadenzo::platform::ownExecutablePath();
    EXPECT_EQ(outputErrorOf([&] { declareOutput(self, "the JUnit report (--junit)"); }),
              "cannot write " + self + ": it is kadenzo-sim itself");
}

TEST_F(RunFilesTest, OtherFilesOfTheFolderAndReadsOfOneFileTwiceAreNoConflict) {
    writeFile("module.so", "module");
    const RunFiles files;
    declareInput(path("module.so"), "the plugin module");
    declareInput(relativePath("module.so"), "the script being run");
    EXPECT_EQ(outputErrorOf([&] { declareOutput(path("module.so.csv"), "the CSV file (--csv)"); }), "");
    EXPECT_EQ(outputErrorOf([&] { output_test::writeWhole(path("module.csv"), "rows"); }), "");
}

// ---- Outputs naming each other -----------------------------------------------------------------

TEST_F(RunFilesTest, TwoOutputsAreNeverOneFileEvenBeforeItExists) {
    const std::string junit = path("r.xml");
    for (const std::string& json : {relativePath("r.xml"), roundaboutPath("r.xml")}) {
        const RunFiles files;
        declareOutput(junit, "the JUnit report (--junit)");
        EXPECT_EQ(outputErrorOf([&] { declareOutput(json, "the JSON report (--json)"); }),
                  "cannot write " + json + ": it is the same file as " + junit +
                      ", the JUnit report (--junit)");
    }
    EXPECT_EQ(entries(), Names{"sub"});
}

TEST_F(RunFilesTest, ADeclaredOutputMayBeWrittenAndDeclaredAgain) {
    const RunFiles files;
    declareOutput(path("shot.png"), "the screenshot (--screenshot)");
    declareOutput(relativePath("shot.png"), "the screenshot (--screenshot)");
    output_test::writeWhole(relativePath("shot.png"), "first");
    output_test::writeWhole(path("shot.png"), "second");
    EXPECT_EQ(contents("shot.png"), "second");
}

// ---- Kept files --------------------------------------------------------------------------------

TEST_F(RunFilesTest, AKeptFileIsWrittenOnlyByItsKeeper) {
    writeFile("settings.cfg", "idealAccuracy 0.6\n");
    const RunFiles files;
    RunFiles::current()->declare(path("settings.cfg"), FileUse::kept, "the settings file kept with --config");
    EXPECT_EQ(outputErrorOf([&] { OutputFile file(relativePath("settings.cfg")); }),
              "cannot write " + relativePath("settings.cfg") + ": it is the same file as " +
                  path("settings.cfg") + ", the settings file kept with --config");
    EXPECT_EQ(outputErrorOf([&] { OutputFile file(relativePath("settings.cfg"), Purpose::keptFile); }), "");
    EXPECT_NE(outputErrorOf([&] { declareOutput(path("settings.cfg"), "the CSV file (--csv)"); }), "");
}

// ---- Files the process has loaded --------------------------------------------------------------

using kadenzo::platform::LoadedFile;
using kadenzo::platform::LoadedKind;

std::optional<LoadedFile> loadedProgram() {
    for (const LoadedFile& loaded : kadenzo::platform::loadedFiles())
        if (loaded.kind == LoadedKind::program) return loaded;
    return std::nullopt;
}

TEST(LoadedFiles, TheProgramAndItsLibrariesAreThereByIdentity) {
    const std::optional<LoadedFile> program = loadedProgram();
    ASSERT_TRUE(program);
    EXPECT_EQ(kadenzo::platform::fileIdentity(fs::u8path(kadenzo::platform::ownExecutablePath()),
                                              kadenzo::platform::Links::followed),
              program->identity);
    const std::vector<LoadedFile> files = kadenzo::platform::loadedFiles();
    EXPECT_TRUE(std::any_of(files.begin(), files.end(),
                            [](const LoadedFile& loaded) { return loaded.kind == LoadedKind::library; }));
}

// Checking creates nothing, so every library may be tried. For a user who may not write the system's
// libraries (not root, on POSIX) they are refused as read-only before this rule is asked.
TEST(LoadedFiles, EveryLibraryTheProcessHasLoadedIsRefused) {
    std::size_t libraries = 0;
    for (const LoadedFile& loaded : kadenzo::platform::loadedFiles()) {
        if (loaded.kind != LoadedKind::library) continue;
        ++libraries;
        const std::string name = loaded.path.u8string();
        const std::string refusal = outputErrorOf([&] { checkTarget(name); });
        EXPECT_NE(refusal, "") << name;
        using kadenzo::platform::fileStatus;
        using kadenzo::platform::Links;
        const kadenzo::platform::FileStatus status = fileStatus(loaded.path, Links::notFollowed);
        if (status.kind == kadenzo::platform::FileKind::regular && status.writable &&
            fileStatus(loaded.path.parent_path(), Links::followed).writable) {
            EXPECT_EQ(refusal, "cannot write " + name + ": it is a library kadenzo-sim has loaded");
        }
    }
    EXPECT_GT(libraries, 0u);
}

} // namespace
