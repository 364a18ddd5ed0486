// Settings files against what only POSIX tests can set up: links, FIFOs and devices given as the file, a
// file without read permission, a write that fails midway at exit, and a name holding a control byte.
#include "console/persisted_settings.h"
#include "file_size_limit_posix.h"
#include "output/kept_files.h"
#include "output_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;
using Names = std::vector<std::string>;

class SettingsSpecialFiles : public output_test::FolderTest {
protected:
    std::string refusalOf(const std::string& name) {
        return messageOf<KeptFileError>(
            [&] { PersistedSettings::read(path(name), simulator.host, warnings); });
    }
    Simulator simulator;
    std::ostringstream warnings;
};

TEST_F(SettingsSpecialFiles, ALinkIsRefusedAndWhatItPointsToKept) {
    writeFile("real.cfg", "idealAccuracy 0.6\n");
    std::filesystem::create_symlink("real.cfg", folder / "settings.cfg");
    EXPECT_EQ(refusalOf("settings.cfg"),
              "cannot write settings " + path("settings.cfg") +
                  ": it is a symbolic link, and files are never written through links");
    EXPECT_TRUE(simulator.host.variables().heldValues().empty()) << "nothing was read through it";
    EXPECT_EQ(contents("real.cfg"), "idealAccuracy 0.6\n");
}

TEST_F(SettingsSpecialFiles, AFifoAndADeviceAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(path("settings.cfg").c_str(), 0600), 0);
    EXPECT_EQ(refusalOf("settings.cfg"),
              "cannot write settings " + path("settings.cfg") + ": it is a FIFO, not a regular file");
    EXPECT_EQ(
        messageOf<KeptFileError>([&] { PersistedSettings::read("/dev/null", simulator.host, warnings); }),
        "cannot write settings /dev/null: it is a device, not a regular file");
}

TEST_F(SettingsSpecialFiles, AFileThisUserCannotReadIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    writeFile("settings.cfg", "idealAccuracy 0.6\n");
    ASSERT_EQ(::chmod(path("settings.cfg").c_str(), 0200), 0);
    EXPECT_EQ(refusalOf("settings.cfg"),
              "cannot read settings " + path("settings.cfg") + ": Permission denied");
}

TEST_F(SettingsSpecialFiles, AWriteFailingMidwayAtExitLeavesTheOldFile) {
    const std::string old = "idealAccuracy 0.6\n";
    writeFile("settings.cfg", old);
    const PersistedSettings settings =
        PersistedSettings::read(path("settings.cfg"), simulator.host, warnings);
    std::ostringstream errors;
    int status = 0;
    {
        const output_test::FileSizeLimit limit(40);
        status = settings.writeAtExit(simulator.host, 0, errors);
    }
    EXPECT_EQ(status, keptFileNotWritten);
    EXPECT_EQ(errors.str(),
              "kadenzo-sim: cannot write settings " + path("settings.cfg") + ": File too large\n");
    EXPECT_EQ(contents("settings.cfg"), old);
    EXPECT_EQ(entries(), Names{"settings.cfg"}) << "no temporary file is left";
}

// Only POSIX names a file with a control byte: the message at exit shows it as \xNN, as every message.
TEST_F(SettingsSpecialFiles, ANameWithAControlByteIsShownEscapedWhenTheFileCannotBeWrittenAtExit) {
    writeFile("kept\x1b[2J.cfg", "idealAccuracy 0.6\n");
    const PersistedSettings settings =
        PersistedSettings::read(path("kept\x1b[2J.cfg"), simulator.host, warnings);
    writeFile("kept\x1b[2J.cfg", "frame 1 2\n");
    std::ostringstream errors;
    EXPECT_EQ(settings.writeAtExit(simulator.host, 0, errors), keptFileNotWritten);
    const std::string shown = path("kept") + "\\x1B[2J.cfg";
    EXPECT_EQ(errors.str(), "kadenzo-sim: cannot write settings " + shown + ": " + shown +
                                ":1: expected NAME VALUE (one console variable a line), not 3 words, so " +
                                shown + " is no settings file; it is left as it is\n");
}

} // namespace
