#pragma once
// Makes every write past a given file size fail for as long as the object
// lives (RLIMIT_FSIZE, with SIGXFSZ ignored so the write returns an error).
// Unlike folder permissions this binds the superuser too.

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace testsupport
