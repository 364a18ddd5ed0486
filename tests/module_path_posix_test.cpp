// Module paths that name no regular file, made here with POSIX calls: each is refused by name before
// anything opens it for loading, and a link to the module loads it.
#include "built_modules.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

using namespace kadenzo::sim;

std::string loadFailure(const std::string& path) {
    Simulator simulator;
    try {
        loadPlugin(simulator, path);
    } catch (const ConsoleError& error) {
        return error.what();
    }
    return "";
}

// A path in the test's temporary folder, free to be made.
std::string freshPath(const std::string& name) {
    const std::string path = ::testing::TempDir() + "kadenzo-module-path-" + name;
    std::remove(path.c_str());
    return path;
}

// The loader would open a FIFO and wait for a writer for ever.
TEST(ModulePath, AFifoIsRefusedWithoutWaiting) {
    const std::string fifo = freshPath("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(loadFailure(fifo), "cannot load module " + fifo + ": it is a FIFO");
    std::remove(fifo.c_str());
}

TEST(ModulePath, ASymbolicLinkLoopIsNamedAsOne) {
    const std::string first = freshPath("loop-a");
    const std::string second = freshPath("loop-b");
    ASSERT_EQ(symlink(second.c_str(), first.c_str()), 0);
    ASSERT_EQ(symlink(first.c_str(), second.c_str()), 0);
    EXPECT_EQ(loadFailure(first), "cannot load module " + first + ": too many levels of symbolic links");
    std::remove(first.c_str());
    std::remove(second.c_str());
}

TEST(ModulePath, ADeviceAndAFolderAreRefused) {
    EXPECT_EQ(loadFailure("/dev/null"), "cannot load module /dev/null: it is a device");
    EXPECT_EQ(loadFailure("/"), "cannot load module /: it is a folder");
}

TEST(ModulePath, ALinkToTheModuleLoadsIt) {
    const std::string link = freshPath("link.so");
    ASSERT_EQ(symlink(test::builtPlugin().c_str(), link.c_str()), 0);
    EXPECT_EQ(loadFailure(link), "");
    std::remove(link.c_str());
}

} // namespace
