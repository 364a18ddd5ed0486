// A write that fails midway, as POSIX systems let a test make one: the largest file the process may
// write lowered for as long as a FileSizeLimit lives.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace output_test {

// Lowers the largest file this process may write, and ignores the signal that exceeding it raises, so
// that write() fails with EFBIG instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
    void (*previousHandler)(int) = SIG_DFL;
};

} // namespace output_test
