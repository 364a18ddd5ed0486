// OutputFile against what only POSIX tests can set up: symbolic links, FIFOs, devices, permissions, a
// write that fails midway, and a process ended by SIGTERM while it writes.
//
// Index of this file:
// - Failures while writing
// - Ending by a signal
#include "file_size_limit_posix.h"
#include "output_test_support.h"

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

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

} // namespace
