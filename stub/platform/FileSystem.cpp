#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <system_error>
#include <unistd.h>

namespace stub {

namespace fs = std::filesystem;

namespace {

std::string NearestExisting(const std::string& path) {
    fs::path p = fs::absolute(path.empty() ? fs::path(".") : fs::path(path));
    std::error_code ec;
    while (!fs::exists(p, ec) && p.has_parent_path() && p != p.parent_path())
        p = p.parent_path();
    return p.string();
}

std::optional<struct statvfs> QueryFileSystem(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    struct statvfs info {};
    if (statvfs(NearestExisting(path).c_str(), &info) != 0)
        return std::nullopt;
    return info;
}

} // namespace

std::optional<std::int64_t> FreeBytes(const std::string& path) {
    auto info = QueryFileSystem(path);
    if (!info)
        return std::nullopt;
    return static_cast<std::int64_t>(info->f_bavail) * static_cast<std::int64_t>(info->f_frsize);
}

std::uint32_t ClusterSize(const std::string& path) {
    auto info = QueryFileSystem(path);
    return info ? static_cast<std::uint32_t>(info->f_bsize) : 0;
}

std::string MountPointOf(const std::string& path) {
    fs::path p = NearestExisting(path);
    struct stat own {};
    if (stat(p.c_str(), &own) != 0)
        return p.string();
    while (p.has_parent_path() && p != p.parent_path()) {
        struct stat parent {};
        if (stat(p.parent_path().c_str(), &parent) != 0 || parent.st_dev != own.st_dev)
            break;
        p = p.parent_path();
    }
    return p.string();
}

bool OnSameFileSystem(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return stat(NearestExisting(a).c_str(), &sa) == 0 &&
           stat(NearestExisting(b).c_str(), &sb) == 0 && sa.st_dev == sb.st_dev;
}

std::string ReadFileHead(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string text(limit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(limit));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return text;
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void MakeFolders(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec)
        throw std::system_error(ec, path);
}

std::string MakePrivateTempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = (base && *base) ? base : "/tmp";
    if (pattern.back() != '/')
        pattern += '/';
    pattern += "kelpset-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    return pattern + "/";
}

bool RemoveFolderTree(const std::string& path, bool clearAttributes) {
    if (!IsDirectory(path))
        return false;
    std::error_code ec;
    if (clearAttributes) {
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto it = fs::recursive_directory_iterator(path, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
    }
    fs::remove_all(path, ec);
    return !PathExists(path);
}

std::string LastErrorText() {
    return std::strerror(errno);
}

namespace {

// Closes fd and keeps errno.
int CloseKeepingErrno(int fd, int error) {
    close(fd);
    errno = error;
    return -1;
}

} // namespace

OpenedBelow OpenFileBelow(const std::string& folder, const std::string& relative, bool append) {
    OpenedBelow result;
    int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return result;
    std::string::size_type start = 0;
    for (auto slash = relative.find('/'); slash != std::string::npos;
         start = slash + 1, slash = relative.find('/', start)) {
        const std::string part = relative.substr(start, slash - start);
        if (part.empty())
            continue;
        if (mkdirat(dir, part.c_str(), 0755) != 0 && errno != EEXIST)
            return {CloseKeepingErrno(dir, errno), false};
        int next = openat(dir, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            return {CloseKeepingErrno(dir, errno), false};
        close(dir);
        dir = next;
    }
    const std::string name = relative.substr(start);
    const int flags = O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | (append ? O_APPEND : 0);
    int fd = openat(dir, name.c_str(), flags | O_CREAT | O_EXCL, 0644);
    result.created = fd >= 0;
    if (fd < 0 && errno == EEXIST)
        fd = openat(dir, name.c_str(), flags);
    const int openError = errno;
    close(dir);
    if (fd < 0) {
        errno = openError;
        return result;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return {CloseKeepingErrno(fd, errno), false};
    if (!S_ISREG(st.st_mode) || st.st_nlink != 1)
        return {CloseKeepingErrno(fd, S_ISREG(st.st_mode) ? EMLINK : EINVAL), false};
    if (!append && ftruncate(fd, 0) != 0)
        return {CloseKeepingErrno(fd, errno), false};
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    result.fd = fd;
    return result;
}

unsigned ModeAfterUmask(unsigned mode) {
    const mode_t mask = umask(0);
    umask(mask);
    return mode & ~static_cast<unsigned>(mask);
}

} // namespace stub
