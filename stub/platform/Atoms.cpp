#include "platform/Atoms.h"

#include "platform/NameHash.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

namespace {

bool PlainName(const std::string& name) {
    return !name.empty() && name.size() <= 200 && name.front() != '.' &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) {
               return std::isalnum(c) || c == '.' || c == '_' || c == '-';
           });
}

constexpr std::size_t kMaxAtomText = 65536;

std::string AtomFolder(const std::string& runtime) {
    return runtime + "atoms";
}

} // namespace

std::string AtomPath(const std::string& runtime, const std::string& name) {
    // Appended piece by piece: "#" + string trips a false -Wrestrict of GCC 12 at -O3.
    std::string path = AtomFolder(runtime) + '/';
    if (PlainName(name)) {
        path += name;
    } else {
        path += '#';
        path += NameHash(name);
    }
    return path;
}

bool AddAtom(const std::string& runtime, const std::string& name, const std::string& text) {
    const std::string folder = AtomFolder(runtime);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    int fd =
        open(AtomPath(runtime, name).c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written =
        text.empty() || (ftruncate(fd, 0) == 0 &&
                         write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()));
    close(fd);
    return written;
}

std::string AtomText(const std::string& runtime, const std::string& name) {
    const int fd = open(AtomPath(runtime, name).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0 && text.size() < kMaxAtomText)
        text.append(buffer, static_cast<std::size_t>(got));
    close(fd);
    return text.substr(0, kMaxAtomText);
}

bool AtomExists(const std::string& runtime, const std::string& name) {
    struct stat st {};
    return lstat(AtomPath(runtime, name).c_str(), &st) == 0;
}

bool DeleteAtom(const std::string& runtime, const std::string& name) {
    return unlink(AtomPath(runtime, name).c_str()) == 0;
}

} // namespace stub
