// OutputFile against what only POSIX tests can set up: symbolic links, FIFOs, devices, permissions, a
// write that fails midway, and a process ended by SIGTERM while it writes; folders to create behind
// links and in read-only folders; the libraries the process has loaded.
//
// Index of this file:
// - Failures while writing
// - Ending by a signal
// - Folders to create
// - Loaded libraries
#include "file_size_limit_posix.h"
#include "output_test_support.h"
#include "platform/loaded_files.h"

#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using kadenzo::output::checkFolderTarget;
using kadenzo::output::checkTarget;
using kadenzo::output::OutputFile;
using output_test::FileSizeLimit;
using output_test::outputErrorOf;
using output_test::writeWhole;
using Names = std::vector<std::string>;

class OutputSpecialTargets : public output_test::FolderTest {
protected:
    std::string refusalOf(const std::string& name) {
        return outputErrorOf([&] { writeWhole(path(name), "new"); });
    }
};

TEST_F(OutputSpecialTargets, ALinkIsNeverWrittenThroughWhateverItPointsTo) {
    writeFile("important.txt", "keep me");
    std::filesystem::create_directory(folder / "folder");
    std::filesystem::create_symlink("important.txt", folder / "to-file.csv");
    std::filesystem::create_symlink("folder", folder / "to-folder.csv");
    std::filesystem::create_symlink("nowhere", folder / "dangling.csv");
    for (const char* name : {"to-file.csv", "to-folder.csv", "dangling.csv"}) {
        EXPECT_EQ(refusalOf(name), "cannot write " + path(name) +
                                       ": it is a symbolic link, and files are never written through links");
        EXPECT_TRUE(std::filesystem::is_symlink(folder / name));
    }
    EXPECT_EQ(contents("important.txt"), "keep me");
    EXPECT_EQ(entries(), (Names{"dangling.csv", "folder", "important.txt", "to-file.csv", "to-folder.csv"}));
}

TEST_F(OutputSpecialTargets, ALinkPutInPlaceMeanwhileIsLeftAlone) {
    writeFile("important.txt", "keep me");
    OutputFile file(path("result.csv"));
    file.write("rows");
    std::filesystem::create_symlink("important.txt", folder / "result.csv");
    EXPECT_NE(outputErrorOf([&] { file.commit(); }).find("symbolic link"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "result.csv"));
    EXPECT_EQ(contents("important.txt"), "keep me");
    EXPECT_EQ(entries(), (Names{"important.txt", "result.csv"}));
}

TEST_F(OutputSpecialTargets, AFifoAndADeviceAreRefused) {
    ASSERT_EQ(::mkfifo(path("pipe.csv").c_str(), 0600), 0);
    EXPECT_EQ(refusalOf("pipe.csv"),
              "cannot write " + path("pipe.csv") + ": it is a FIFO, not a regular file");
    EXPECT_EQ(std::filesystem::status(folder / "pipe.csv").type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(outputErrorOf([] { checkTarget("/dev/null"); }),
              "cannot write /dev/null: it is a device, not a regular file");
    EXPECT_EQ(entries(), Names{"pipe.csv"});
}

// The folder may be reached through a link; only the file itself must not be one.
TEST_F(OutputSpecialTargets, AFolderReachedThroughALinkIsUsed) {
    std::filesystem::create_directory(folder / "real");
    std::filesystem::create_directory_symlink("real", folder / "linked");
    writeWhole(path("linked/result.csv"), "rows");
    EXPECT_EQ(contents("real/result.csv"), "rows");
}

TEST_F(OutputSpecialTargets, AReplacedFileKeepsItsPermissions) {
    writeFile("shared.csv", "old");
    ASSERT_EQ(::chmod(path("shared.csv").c_str(), 0640), 0);
    writeWhole(path("shared.csv"), "new");
    struct stat info {};
    ASSERT_EQ(::stat(path("shared.csv").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(contents("shared.csv"), "new");
}

// ---- Failures while writing --------------------------------------------------------------------

class OutputWriteFailure : public output_test::FolderTest {};

TEST_F(OutputWriteFailure, AFailureMidwayLeavesTheOldFileAndNoTemporaryFile) {
    writeFile("result.csv", "old");
    std::string error;
    {
        const FileSizeLimit limit(100'000);
        OutputFile file(path("result.csv"));
        error = outputErrorOf([&] {
            for (int row = 0; row < 100'000; ++row)
                file.write("12345,success,1.04999995\n");
            file.commit();
        });
    }
    EXPECT_EQ(error, "cannot write " + path("result.csv") + ": File too large");
    EXPECT_EQ(contents("result.csv"), "old");
    EXPECT_EQ(entries(), Names{"result.csv"});
}

// ---- Ending by a signal ------------------------------------------------------------------------

// The tests run as root here, who may write anything: a folder (or file) without any write permission
// is still one its owner meant to keep.
TEST_F(OutputSpecialTargets, AFolderWithoutWritePermissionIsRefusedForRootToo) {
    std::filesystem::create_directory(folder / "kept");
    ASSERT_EQ(::chmod(path("kept").c_str(), 0555), 0);
    EXPECT_EQ(refusalOf("kept/new.csv"), "cannot write " + path("kept/new.csv") + ": the folder " +
                                             path("kept") + " does not let this user create files");
    EXPECT_TRUE(std::filesystem::is_empty(folder / "kept"));
    ASSERT_EQ(::chmod(path("kept").c_str(), 0755), 0);
    EXPECT_EQ(refusalOf("kept/new.csv"), "");
}

TEST_F(OutputSpecialTargets, AHardLinkOfAnInputIsThatInput) {
    writeFile("module.so", "module");
    ASSERT_EQ(::link(path("module.so").c_str(), path("other-name.so").c_str()), 0);
    const kadenzo::output::RunFiles files;
    kadenzo::output::declareInput(path("module.so"), "the plugin module");
    EXPECT_EQ(refusalOf("other-name.so"), "cannot write " + path("other-name.so") +
                                              ": it is the same file as " + path("module.so") +
                                              ", the plugin module");
    EXPECT_EQ(contents("module.so"), "module");
}

class OutputSignals : public output_test::FolderTest {};

// The child opens a file, writes to it, says so through a pipe and waits for the end.
[[noreturn]] void writeUntilEnded(const std::string& target, int ready) {
    OutputFile file(target);
    file.write("half of it");
    const char signal = 'r';
    if (::write(ready, &signal, 1) != 1) ::_exit(3);
    for (;;)
        ::pause();
}

TEST_F(OutputSignals, SigtermRemovesTheTemporaryFileAndEndsTheProcessAsTheSignalWould) {
    writeFile("result.csv", "old");
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(channel[0]);
        writeUntilEnded(path("result.csv"), channel[1]);
    }
    ::close(channel[1]);
    char ready = 0;
    ASSERT_EQ(::read(channel[0], &ready, 1), 1);
    ::close(channel[0]);
    EXPECT_EQ(entries().size(), 2u) << "the temporary file exists while the child writes";
    ASSERT_EQ(::kill(child, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
    EXPECT_EQ(entries(), Names{"result.csv"});
    EXPECT_EQ(contents("result.csv"), "old");
}

// ---- Folders to create -------------------------------------------------------------------------

class OutputFoldersPosix : public output_test::FolderTest {
protected:
    std::string refusalOf(const std::string& name) {
        const std::string folderName = path(name);
        return outputErrorOf([&folderName] { checkFolderTarget(folderName); });
    }
};

// Nothing can be created through a link that leads nowhere (mkdir says "File exists"), wherever it was
// meant to lead.
TEST_F(OutputFoldersPosix, ALinkThatLeadsNowhereIsRefusedAtTheFolderAndAboveIt) {
    std::filesystem::create_symlink("nowhere", folder / "dangling");
    std::filesystem::create_symlink("/nonexistent/deeper/folder", folder / "unmakeable");
    EXPECT_EQ(refusalOf("dangling"),
              "cannot create " + path("dangling") + ": it is a symbolic link that leads nowhere");
    EXPECT_EQ(refusalOf("unmakeable"),
              "cannot create " + path("unmakeable") + ": it is a symbolic link that leads nowhere");
    EXPECT_EQ(refusalOf("dangling/sub"), "cannot create " + path("dangling/sub") + ": " + path("dangling") +
                                             " is a symbolic link that leads nowhere");
    EXPECT_EQ(refusalOf("unmakeable/sub/deeper"), "cannot create " + path("unmakeable/sub/deeper") + ": " +
                                                      path("unmakeable") +
                                                      " is a symbolic link that leads nowhere");
    EXPECT_EQ(entries(), (Names{"dangling", "unmakeable"}));
}

TEST_F(OutputFoldersPosix, ALinkIsFollowedToAFolderAndNothingElse) {
    std::filesystem::create_directory(folder / "real");
    writeFile("plain.txt", "text");
    std::filesystem::create_directory_symlink("real", folder / "to-folder");
    std::filesystem::create_symlink("plain.txt", folder / "to-file");
    EXPECT_TRUE(checkFolderTarget(path("to-folder")));
    EXPECT_FALSE(checkFolderTarget(path("to-folder/new")));
    EXPECT_EQ(refusalOf("to-file"), path("to-file") + " is not a folder");
    EXPECT_EQ(refusalOf("to-file/sub"),
              "cannot create " + path("to-file/sub") + ": " + path("to-file") + " is not a folder");
    EXPECT_EQ(entries("real"), Names{});
}

// The tests run as root here: a folder without any write permission takes no new folder from root either.
TEST_F(OutputFoldersPosix, AFolderWithoutWritePermissionTakesNoNewFolderForRootToo) {
    std::filesystem::create_directory(folder / "kept");
    ASSERT_EQ(::chmod(path("kept").c_str(), 0555), 0);
    const std::string refusal = "the folder " + path("kept") + " does not let this user create folders";
    EXPECT_EQ(refusalOf("kept/sub"), "cannot create " + path("kept/sub") + ": " + refusal);
    EXPECT_EQ(refusalOf("kept/sub/deeper"), "cannot create " + path("kept/sub/deeper") + ": " + refusal);
    EXPECT_EQ(refusalOf("kept"), "") << "a folder there is taken; the files written into it are refused";
    EXPECT_TRUE(std::filesystem::is_empty(folder / "kept"));
    ASSERT_EQ(::chmod(path("kept").c_str(), 0755), 0);
    EXPECT_EQ(refusalOf("kept/sub"), "");
}

// ---- Loaded libraries --------------------------------------------------------------------------

// The C library, found by the loader's own account of where stdout lives, is among the loaded files by
// the identity stat gives its name.
TEST(LoadedFilesPosix, TheCLibraryIsALoadedLibrary) {
    Dl_info info{};
    ASSERT_NE(::dladdr(static_cast<const void*>(stdout), &info), 0);
    ASSERT_NE(info.dli_fname, nullptr);
    const std::optional<kadenzo::platform::FileIdentity> identity =
        kadenzo::platform::fileIdentity(info.dli_fname, kadenzo::platform::Links::followed);
    ASSERT_TRUE(identity) << info.dli_fname;
    const std::vector<kadenzo::platform::LoadedFile> files = kadenzo::platform::loadedFiles();
    EXPECT_TRUE(std::any_of(files.begin(), files.end(),
                            [&identity](const kadenzo::platform::LoadedFile& file) {
                                return file.identity == *identity &&
                                       file.kind == kadenzo::platform::LoadedKind::library;
                            }))
        << info.dli_fname;
}

// Without a RunFiles, which would name the program itself first: what the process has loaded is refused
// by its identity alone, under any name. Rationale: POSIX only, as Windows cannot remove a name of a
// running program (the folder would stay behind) and Wine gives each of its drives a volume serial of
// its own, so that a hard link from the temporary folder's drive is another file there.
class LoadedFilesPosixNames : public output_test::FolderTest {};

TEST_F(LoadedFilesPosixNames, AFileTheProcessHasLoadedIsNeverWrittenUnderAnyName) {
    std::optional<kadenzo::platform::LoadedFile> program;
    for (const kadenzo::platform::LoadedFile& loaded : kadenzo::platform::loadedFiles())
        if (loaded.kind == kadenzo::platform::LoadedKind::program) program = loaded;
    ASSERT_TRUE(program);
    std::error_code error;
    std::filesystem::create_hard_link(program->path, folder / "program-link", error);
    if (error) GTEST_SKIP() << "no hard link of " << program->path.u8string() << " here: " << error.message();
    ASSERT_EQ(kadenzo::output::RunFiles::current(), nullptr);
    const std::string link = path("program-link");
    const std::string refusal = "cannot write " + link + ": it is the same file as " +
                                program->path.u8string() + ", kadenzo-sim itself";
    EXPECT_EQ(outputErrorOf([&] { checkTarget(link); }), refusal);
    EXPECT_EQ(outputErrorOf([&] { checkTarget(link, kadenzo::output::Purpose::keptFile); }), refusal);
    EXPECT_EQ(outputErrorOf([&] { OutputFile file(link); }), refusal);
    EXPECT_EQ(outputErrorOf([&] { kadenzo::output::declareOutput(link, "the CSV file (--csv)"); }), refusal);
    EXPECT_EQ(entries(), Names{"program-link"});
    EXPECT_EQ(kadenzo::platform::fileIdentity(folder / "program-link", kadenzo::platform::Links::notFollowed),
              program->identity);
}

} // namespace
