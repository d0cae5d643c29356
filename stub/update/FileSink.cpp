#include "update/FileSink.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace stub {

FileSink::~FileSink() {
    Close();
}

bool FileSink::Open(const std::string& path, bool append) {
    Close();
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | (append ? O_APPEND : O_TRUNC);
    fd_ = ::open(path.c_str(), flags, 0644);
    return fd_ >= 0;
}

bool FileSink::Write(const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t done = ::write(fd_, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= std::size_t(done);
    }
    return true;
}

bool FileSink::Close() {
    if (fd_ < 0)
        return true;
    bool ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
}

} // namespace stub
