#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace stub {

// A file being written. With append, an existing file is added to at its end. A final symbolic
// link is never followed.
class OutputFile {
public:
    OutputFile(const std::string& path, bool append);
    // A file below folder, reached without following links (see OpenFileBelow).
    OutputFile(const std::string& folder, const std::string& relative, bool append);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The file did not exist before it was opened.
    bool Created() const { return created_; }
    // False on the first short write; errno tells why.
    bool Write(const char* data, std::size_t length);
    // Sets the file's time to a DOS stamp; 0 or an impossible stamp leaves it alone.
    void Stamp(std::uint32_t dosTime);
    // Makes the file runnable (0755 less the umask).
    void MakeExecutable();
    bool Close();

private:
    int fd_ = -1;
    bool created_ = false;
};

// Bytes written so far; the callback may set cancel to stop.
using WriteProgress = std::function<void(std::int64_t written, bool& cancel)>;

// Writes bytes to path, in chunks when the file is large or a progress callback is given, then
// sets its time to the DOS stamp (0: left as written). True when every byte was written.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::uint32_t dosTime,
                    bool append, const WriteProgress& progress = {});

// Sets the file's time to a DOS stamp; 0 or an impossible stamp leaves it alone.
void StampFile(const std::string& path, std::uint32_t dosTime);

} // namespace stub
