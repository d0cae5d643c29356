#include "package/InputFile.h"

#include "package/ByteOrder.h"
#include "package/PackageError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

InputFile::InputFile(const std::string& path)
    : path_(path) {
    // Opened without blocking, so that a named pipe in place of a volume is refused instead of
    // waiting for a writer.
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        std::string reason = fd_ < 0 ? std::strerror(errno) : "not a regular file";
        if (fd_ >= 0)
            close(fd_);
        throw PackageError(path + ": " + reason);
    }
    size_ = st.st_size;
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

InputFile::~InputFile() {
    close(fd_);
}

std::size_t InputFile::ReadAt(std::int64_t offset, void* buffer, std::size_t length) const {
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < length) {
        ssize_t got =
            pread(fd_, out + done, length - done, offset + static_cast<std::int64_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw PackageError(path_ + ": " + std::strerror(errno));
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void InputFile::ReadExactly(std::int64_t offset, void* buffer, std::size_t length) const {
    if (offset < 0 || ReadAt(offset, buffer, length) != length)
        throw PackageError(path_ + ": the package is truncated or damaged");
}

std::uint32_t InputFile::ReadLe32At(std::int64_t offset) const {
    unsigned char bytes[4];
    ReadExactly(offset, bytes, 4);
    return ReadLe32(bytes);
}

} // namespace stub
