#include "platform/FileTimes.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace stub {

bool SetFileTime(const std::string& path, std::time_t when) {
    struct timespec times[2] = {{when, 0}, {when, 0}};
    return utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

std::optional<std::time_t> FileModificationTime(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return st.st_mtime;
}

bool SetFileTime(int fd, std::time_t when) {
    struct timespec times[2] = {{when, 0}, {when, 0}};
    return futimens(fd, times) == 0;
}

} // namespace stub
