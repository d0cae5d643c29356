#include "package/PackageFile.h"

#include "package/ByteOrder.h"
#include "package/PackageError.h"

#include <algorithm>
#include <vector>

namespace stub {

namespace {

constexpr std::int64_t kMarkerHigh = 0xF8;
constexpr std::int64_t kMarkerLow = 0xFC;
constexpr std::int64_t kChecksumLimit = 52428800;
constexpr std::int64_t kHeaderArea = 512;
constexpr std::size_t kChecksumChunk = 4096;

// The low marker word, which the checksum uses on its own.
std::uint32_t MarkerLowWord(const InputFile& file) {
    return IsExecutable(file) ? file.ReadLe32At(kMarkerLow) : 0;
}

} // namespace

bool IsExecutable(const InputFile& file) {
    char head[2] = {};
    char pe[2] = {};
    return file.ReadAt(0, head, 2) == 2 && head[0] == 'M' && head[1] == 'Z' &&
           file.ReadAt(0x100, pe, 2) == 2 && pe[0] == 'P' && pe[1] == 'E';
}

bool IsExecutable(const std::string& path) {
    try {
        return IsExecutable(InputFile(path));
    } catch (const PackageError&) {
        return false;
    }
}

std::uint64_t EndOfPackageMarker(const InputFile& file) {
    if (!IsExecutable(file))
        return 0;
    return std::uint64_t(file.ReadLe32At(kMarkerHigh)) << 32 | file.ReadLe32At(kMarkerLow);
}

std::int64_t PackageEnd(const InputFile& file) {
    std::uint64_t marker = EndOfPackageMarker(file);
    if (marker == 0)
        return file.Size();
    if (marker > static_cast<std::uint64_t>(file.Size()))
        throw PackageError(file.Path() +
                           ": the end-of-package marker points past the end of the file");
    return static_cast<std::int64_t>(marker);
}

std::int64_t TrailerStart(const InputFile& file) {
    const std::int64_t end = PackageEnd(file);
    if (end < 4)
        throw PackageError(file.Path() + ": the file is too short to hold a package");
    const auto length = static_cast<std::int32_t>(file.ReadLe32At(end - 4));
    const std::int64_t start = end - length;
    if (length < 4 || start < 0)
        throw PackageError(file.Path() + ": the trailer length points outside the file");
    return start;
}

PackageTrailer ReadTrailer(const InputFile& file) {
    const std::int64_t start = TrailerStart(file);
    const auto length = static_cast<std::int32_t>(PackageEnd(file) - start);
    const int used = std::min<std::int32_t>(kTrailerSize, length);
    std::array<unsigned char, kTrailerSize> bytes{};
    file.ReadExactly(start, bytes.data(), static_cast<std::size_t>(used - 4));
    PackageTrailer trailer = PackageTrailer::Decode(bytes);
    trailer.TrailerLength = used;
    if (trailer.InfoBlockCount == 0)
        trailer.InfoBlockCount = 2;
    return trailer;
}

PackageTrailer ReadTrailer(const std::string& path) {
    return ReadTrailer(InputFile(path));
}

std::uint32_t PackageChecksum(const InputFile& file, std::int32_t trailerLength) {
    if (file.Size() > kChecksumLimit)
        return kNoChecksum;
    const std::uint32_t marker = MarkerLowWord(file);
    const std::int64_t end = marker > 0 ? marker : file.Size();
    std::int64_t remaining = end - trailerLength;
    std::int64_t offset = 0;
    if (marker > 0) {
        offset = kHeaderArea;
        remaining -= kHeaderArea;
    }
    std::uint32_t sum = 0;
    std::vector<unsigned char> chunk(kChecksumChunk);
    for (;;) {
        std::size_t got = file.ReadAt(offset, chunk.data(), chunk.size());
        offset += static_cast<std::int64_t>(got);
        for (std::size_t at = 0; at + 4 <= got; at += 4) {
            remaining -= 4;
            if (remaining > 4)
                sum += ReadLe32(chunk.data() + at);
        }
        if (remaining > 4)
            sum += kNoChecksum;
        if (got < kChecksumChunk)
            return sum;
    }
}

std::uint32_t PackageChecksum(const std::string& path, std::int32_t trailerLength) {
    return PackageChecksum(InputFile(path), trailerLength);
}

} // namespace stub
