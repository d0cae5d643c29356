#include "package/PackageTrailer.h"

#include "package/ByteOrder.h"

namespace stub {

PackageTrailer PackageTrailer::Decode(const std::array<unsigned char, kTrailerSize>& bytes) {
    const unsigned char* p = bytes.data();
    PackageTrailer t;
    t.Format = p[0];
    t.InfoBlockCount = p[1];
    t.DataOffset = ReadLe32(p + 4);
    t.FilesCount = ReadLe32(p + 8);
    t.Magic = ReadLe32(p + 12);
    t.Checksum = ReadLe32(p + 16);
    for (int i = 0; i < 8; ++i)
        t.Reserved20[i] = p[20 + i];
    for (int i = 0; i < 9; ++i)
        t.SpaceRequired[i] = ReadLe32(p + 28 + 4 * i);
    t.Reserved64 = p[64];
    t.Flags = p[65];
    t.WebPackage = p[66];
    t.ConfirmDownload = p[67];
    t.MakeAgent = p[68];
    t.IsAgent = p[69];
    t.TrailerLength = static_cast<std::int32_t>(ReadLe32(p + 70));
    return t;
}

std::array<unsigned char, kTrailerSize> PackageTrailer::Encode() const {
    std::array<unsigned char, kTrailerSize> bytes{};
    unsigned char* p = bytes.data();
    p[0] = Format;
    p[1] = InfoBlockCount;
    WriteLe32(p + 4, DataOffset);
    WriteLe32(p + 8, FilesCount);
    WriteLe32(p + 12, Magic);
    WriteLe32(p + 16, Checksum);
    for (int i = 0; i < 8; ++i)
        p[20 + i] = Reserved20[i];
    for (int i = 0; i < 9; ++i)
        WriteLe32(p + 28 + 4 * i, SpaceRequired[i]);
    p[64] = Reserved64;
    p[65] = Flags;
    p[66] = WebPackage;
    p[67] = ConfirmDownload;
    p[68] = MakeAgent;
    p[69] = IsAgent;
    WriteLe32(p + 70, static_cast<std::uint32_t>(TrailerLength));
    return bytes;
}

} // namespace stub
