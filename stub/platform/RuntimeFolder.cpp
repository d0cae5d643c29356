#include "platform/RuntimeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

std::string RuntimeFolderPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/') {
        std::string path = runtime;
        if (path.back() != '/')
            path += '/';
        return path + "kelpset/";
    }
    return "/tmp/kelpset-" + std::to_string(getuid()) + "/";
}

std::string RuntimeFolderFault(const std::string& path, uid_t owner) {
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0)
        return folder + ": " + std::strerror(errno);
    if (S_ISLNK(st.st_mode))
        return folder + " is a link, not a folder";
    if (!S_ISDIR(st.st_mode))
        return folder + " is not a folder";
    if (st.st_uid != owner)
        return folder + " belongs to another user";
    if ((st.st_mode & 07777) != 0700)
        return folder + " is open to other users";
    return {};
}

std::optional<std::string> RuntimeFolder(std::string* fault) {
    const std::string path = RuntimeFolderPath();
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        if (fault)
            *fault = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string why = RuntimeFolderFault(path, getuid());
    if (!why.empty()) {
        if (fault)
            *fault = why;
        return std::nullopt;
    }
    return path;
}

} // namespace stub
