#pragma once

#include <cstddef>
#include <string>

namespace stub {

// A file written in order, started afresh or appended to; never follows a link at its name.
class FileSink {
public:
    FileSink() = default;
    ~FileSink();
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool Open(const std::string& path, bool append);
    bool Write(const char* data, std::size_t size);
    bool Close();

private:
    int fd_ = -1;
};

} // namespace stub
