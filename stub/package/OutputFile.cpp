#include "package/OutputFile.h"

#include "package/DosTime.h"
#include "platform/FileSystem.h"
#include "platform/FileTimes.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

namespace {

constexpr std::size_t kLargeFile = 1048576;

std::size_t ChunkSize(std::size_t size) {
    return size / 10 > 1024 ? std::min(size / 10, kLargeFile) : std::min<std::size_t>(1024, size);
}

} // namespace

OutputFile::OutputFile(const std::string& path, bool append) {
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | (append ? O_APPEND : O_TRUNC);
    fd_ = open(path.c_str(), flags, 0644);
}

OutputFile::OutputFile(const std::string& folder, const std::string& relative, bool append) {
    const auto opened = OpenFileBelow(folder, relative, append);
    fd_ = opened.fd;
    created_ = opened.created;
}

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Write(const char* data, std::size_t length) {
    while (length > 0) {
        ssize_t done = write(fd_, data, length);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        length -= static_cast<std::size_t>(done);
    }
    return true;
}

void OutputFile::Stamp(std::uint32_t dosTime) {
    if (dosTime == 0 || fd_ < 0)
        return;
    if (auto when = DosTimeToTime(dosTime))
        SetFileTime(fd_, *when);
}

void OutputFile::MakeExecutable() {
    if (fd_ >= 0)
        fchmod(fd_, ModeAfterUmask(0755));
}

bool OutputFile::Close() {
    if (fd_ < 0)
        return true;
    bool closed = close(fd_) == 0;
    fd_ = -1;
    return closed;
}

void StampFile(const std::string& path, std::uint32_t dosTime) {
    if (dosTime == 0)
        return;
    if (auto when = DosTimeToTime(dosTime))
        SetFileTime(path, *when);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::uint32_t dosTime,
                    bool append, const WriteProgress& progress) {
    OutputFile file(path, append);
    if (!file.IsOpen())
        return false;
    std::size_t written = 0;
    if (bytes.size() > kLargeFile || progress) {
        const std::size_t chunk = std::max<std::size_t>(1, ChunkSize(bytes.size()));
        bool cancel = false;
        while (written < bytes.size() && !cancel) {
            std::size_t piece = std::min(chunk, bytes.size() - written);
            if (!file.Write(bytes.data() + written, piece))
                break;
            written += piece;
            if (progress)
                progress(static_cast<std::int64_t>(written), cancel);
        }
    } else if (file.Write(bytes.data(), bytes.size())) {
        written = bytes.size();
    }
    bool complete = file.Close() && written == bytes.size();
    if (complete)
        StampFile(path, dosTime);
    return complete;
}

} // namespace stub
