#pragma once

#include <array>
#include <cstdint>

namespace stub {

constexpr int kTrailerSize = 74;
constexpr std::uint32_t kPackageMagic = 0x4A3B2C1D;
constexpr std::uint32_t kNoChecksum = 1234;

enum TrailerFlag : std::uint8_t {
    AnnounceTempExtraction = 1 << 0,
    SpanDisks = 1 << 1,
    SpanCd = 1 << 2,
    ShowBusyBar = 1 << 3,
    DebugLog = 1 << 4,
};

// The fixed record that closes a package (little-endian, packed, 74 bytes).
struct PackageTrailer {
    std::uint8_t Format = 0;
    std::uint8_t InfoBlockCount = 0;
    std::uint32_t DataOffset = 0;
    std::uint32_t FilesCount = 0;
    std::uint32_t Magic = 0;
    std::uint32_t Checksum = 0;
    std::array<std::uint8_t, 8> Reserved20{};
    std::array<std::uint32_t, 9> SpaceRequired{};
    std::uint8_t Reserved64 = 0;
    std::uint8_t Flags = 0;
    std::uint8_t WebPackage = 0;
    std::uint8_t ConfirmDownload = 0;
    std::uint8_t MakeAgent = 0;
    std::uint8_t IsAgent = 0;
    std::int32_t TrailerLength = 0;

    bool Has(TrailerFlag flag) const { return (Flags & flag) != 0; }

    static PackageTrailer Decode(const std::array<unsigned char, kTrailerSize>& bytes);
    std::array<unsigned char, kTrailerSize> Encode() const;
};

} // namespace stub
