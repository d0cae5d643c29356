#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace stub {

// A file opened for reading; every failure raises PackageError.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::int64_t Size() const { return size_; }
    const std::string& Path() const { return path_; }
    // Reads up to length bytes at offset; returns the count read (short only at the end).
    std::size_t ReadAt(std::int64_t offset, void* buffer, std::size_t length) const;
    // Reads exactly length bytes at offset or raises PackageError.
    void ReadExactly(std::int64_t offset, void* buffer, std::size_t length) const;
    std::uint32_t ReadLe32At(std::int64_t offset) const;

private:
    std::string path_;
    int fd_ = -1;
    std::int64_t size_ = 0;
};

} // namespace stub
