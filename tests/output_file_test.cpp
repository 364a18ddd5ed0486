// OutputFile on every platform: a file appears complete or not at all, beside its target, and targets
// that must not be replaced are refused with a message naming them.
//
// Index of this file:
// - Writing
// - Failing
// - Checking targets
// - Checking folders
#include "output_test_support.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using kadenzo::output::checkFolderTarget;
using kadenzo::output::checkTarget;
using kadenzo::output::OutputFile;
using output_test::outputErrorOf;
using output_test::writeWhole;
using Names = std::vector<std::string>;

bool isTemporaryName(const std::string& name) {
    return name.rfind(".kz-", 0) == 0;
}

void makeReadOnly(const std::string& path) {
    using std::filesystem::perms;
    std::filesystem::permissions(std::filesystem::u8path(path),
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

// ---- Writing -----------------------------------------------------------------------------------

class OutputFileWriting : public output_test::FolderTest {};

TEST_F(OutputFileWriting, TheTargetAppearsOnlyWhenCommittedAndNothingElseStays) {
    OutputFile file(path("result.csv"));
    file.write("attempt,outcome\n");
    file.write("1,success\n");
    const Names during = entries();
    ASSERT_EQ(during.size(), 1u);
    EXPECT_TRUE(isTemporaryName(during[0])) << during[0];
    file.commit();
    EXPECT_EQ(entries(), Names{"result.csv"});
    EXPECT_EQ(contents("result.csv"), "attempt,outcome\n1,success\n");
}

TEST_F(OutputFileWriting, ReplacesAnOldFileWhole) {
    writeFile("result.csv", "old contents that are longer than the new ones");
    writeWhole(path("result.csv"), "new");
    EXPECT_EQ(contents("result.csv"), "new");
    EXPECT_EQ(entries(), Names{"result.csv"});
}

TEST_F(OutputFileWriting, TheTemporaryFileIsInTheTargetsFolder) {
    std::filesystem::create_directory(folder / "pictures");
    OutputFile file(path("pictures/speed.png"));
    EXPECT_EQ(entries(), Names{"pictures"});
    const Names inside = entries("pictures");
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_TRUE(isTemporaryName(inside[0])) << inside[0];
}

// The longest name most file systems take; a temporary name made from it would be too long.
TEST_F(OutputFileWriting, ALongValidNameWorks) {
    const std::string name = std::string(251, 'n') + ".png";
    writeWhole(path(name), "picture");
    EXPECT_EQ(contents(name), "picture");
    EXPECT_EQ(entries(), Names{name});
}

TEST_F(OutputFileWriting, LargeAndSmallWritesArriveInOrder) {
    std::string expected;
    OutputFile file(path("large.bin"));
    for (int piece = 0; piece < 40; ++piece) {
        const std::string bytes(piece % 3 == 0 ? 100'000 : 7, static_cast<char>('a' + piece % 26));
        file.write(bytes);
        expected += bytes;
    }
    file.commit();
    EXPECT_EQ(contents("large.bin"), expected);
}

// ---- Failing -----------------------------------------------------------------------------------

class OutputFileFailing : public output_test::FolderTest {};

TEST_F(OutputFileFailing, AFileNotCommittedLeavesTheOldOneAndNoTemporaryFile) {
    writeFile("result.csv", "old");
    {
        OutputFile file(path("result.csv"));
        file.write(std::string(200'000, 'x'));
    }
    EXPECT_EQ(contents("result.csv"), "old");
    EXPECT_EQ(entries(), Names{"result.csv"});
}

TEST_F(OutputFileFailing, ATargetThatBecameAFolderMeanwhileIsLeftAlone) {
    OutputFile file(path("result.csv"));
    file.write("rows");
    std::filesystem::create_directory(folder / "result.csv");
    const std::string error = outputErrorOf([&] { file.commit(); });
    EXPECT_EQ(error, "cannot write " + path("result.csv") + ": it is a folder");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "result.csv"));
    EXPECT_EQ(entries(), Names{"result.csv"});
    EXPECT_NE(outputErrorOf([&] { file.write("more"); }), "") << "the file is abandoned";
}

TEST_F(OutputFileFailing, AReadOnlyFileIsRefusedAndKept) {
    writeFile("kept.png", "old");
    makeReadOnly(path("kept.png"));
    EXPECT_EQ(outputErrorOf([&] { writeWhole(path("kept.png"), "new"); }),
              "cannot write " + path("kept.png") + ": it is read-only");
    EXPECT_EQ(contents("kept.png"), "old");
    EXPECT_EQ(entries(), Names{"kept.png"});
}

TEST_F(OutputFileFailing, AFileMadeReadOnlyMeanwhileIsKept) {
    writeFile("kept.png", "old");
    OutputFile file(path("kept.png"));
    file.write("new");
    makeReadOnly(path("kept.png"));
    EXPECT_NE(outputErrorOf([&] { file.commit(); }).find("read-only"), std::string::npos);
    EXPECT_EQ(contents("kept.png"), "old");
    EXPECT_EQ(entries(), Names{"kept.png"});
}

// ---- Checking targets --------------------------------------------------------------------------

class OutputTargets : public output_test::FolderTest {};

TEST_F(OutputTargets, RefusalsNameTheFileAndTheCause) {
    std::filesystem::create_directory(folder / "folder");
    writeFile("plain.txt", "text");
    const std::vector<std::pair<std::string, std::string>> refused = {
        {path("folder"), "it is a folder"},
        {path("absent/result.csv"), "the folder " + path("absent") + " does not exist"},
        {path("plain.txt/result.csv"), path("plain.txt") + " is not a folder"},
        {path("folder") + "/", "a file name cannot end in a separator"},
    };
    for (const auto& [target, cause] : refused) {
        const std::string& name = target;
        EXPECT_EQ(outputErrorOf([&name] { checkTarget(name); }), "cannot write " + name + ": " + cause);
    }
    EXPECT_EQ(outputErrorOf([] { checkTarget(""); }), "cannot write a file without a name");
}

TEST_F(OutputTargets, CheckingCreatesNothing) {
    EXPECT_EQ(outputErrorOf([&] { checkTarget(path("new.csv")); }), "");
    EXPECT_EQ(outputErrorOf([&] { checkTarget(path("absent/new.csv")); }).empty(), false);
    EXPECT_EQ(entries(), Names{});
}

TEST_F(OutputTargets, ARefusedTargetLeavesNoTemporaryFile) {
    std::filesystem::create_directory(folder / "folder");
    EXPECT_NE(outputErrorOf([&] { OutputFile file(path("folder")); }), "");
    EXPECT_EQ(entries(), Names{"folder"});
    EXPECT_EQ(entries("folder"), Names{});
}

// ---- Checking folders --------------------------------------------------------------------------

class OutputFolders : public output_test::FolderTest {
protected:
    // The refusal of FOLDER as a folder to create or write into, "" when there is none.
    std::string refusalOf(const std::string& name) {
        const std::string folderName = path(name);
        return outputErrorOf([&folderName] { checkFolderTarget(folderName); });
    }
};

TEST_F(OutputFolders, AFolderThereOrOneThatCanBeCreatedIsTaken) {
    std::filesystem::create_directory(folder / "pictures");
    EXPECT_TRUE(checkFolderTarget(path("pictures")));
    EXPECT_TRUE(checkFolderTarget(path("pictures") + "/"));
    EXPECT_FALSE(checkFolderTarget(path("new")));
    EXPECT_FALSE(checkFolderTarget(path("new/deeper/still")));
    EXPECT_FALSE(checkFolderTarget(path("pictures/new")));
    EXPECT_EQ(entries(), Names{"pictures"});
    EXPECT_EQ(entries("pictures"), Names{});
}

TEST_F(OutputFolders, AnythingButAFolderInTheWayIsRefusedAndNothingIsCreated) {
    writeFile("plain.txt", "text");
    EXPECT_EQ(refusalOf("plain.txt"), path("plain.txt") + " is not a folder");
    EXPECT_EQ(refusalOf("plain.txt/sub"),
              "cannot create " + path("plain.txt/sub") + ": " + path("plain.txt") + " is not a folder");
    EXPECT_EQ(refusalOf("plain.txt/sub/deeper"), "cannot create " + path("plain.txt/sub/deeper") + ": " +
                                                     path("plain.txt") + " is not a folder");
    EXPECT_EQ(outputErrorOf([] { checkFolderTarget(""); }), "cannot create a folder without a name");
    EXPECT_EQ(entries(), Names{"plain.txt"});
    EXPECT_EQ(contents("plain.txt"), "text");
}

} // namespace
