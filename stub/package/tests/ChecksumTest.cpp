#include "package/PackageFile.h"
#include "testsupport/CraftedPackage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace stub;
using namespace stubtest;

namespace {

std::string Words(std::size_t count, std::uint32_t value) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += Le32(static_cast<std::int32_t>(value));
    return bytes;
}

class ChecksumTest : public ::testing::Test {
protected:
    ScratchFolder dir;
    std::string path = dir / "package.bin";
};

} // namespace

TEST_F(ChecksumTest, SumsWordsUpToEightBytesBeforeTheTrailer) {
    // 100 bytes, trailer 74: remaining 26, so the first five words count and no chunk bonus.
    std::string bytes;
    for (int i = 1; i <= 25; ++i)
        bytes += Le32(i);
    WriteFile(path, bytes);
    EXPECT_EQ(PackageChecksum(path, 74), 1u + 2 + 3 + 4 + 5);

    // 5000 bytes of ones: 1024 words + 1234 for the full chunk, then 206 words of the short chunk.
    WriteFile(path, Words(1250, 1));
    EXPECT_EQ(PackageChecksum(path, 74), 1024u + 1234 + 206);

    // A tail that is not a whole word is skipped.
    WriteFile(path, Words(25, 1) + "xyz");
    EXPECT_EQ(PackageChecksum(path, 74), 6u);
}

TEST_F(ChecksumTest, SumWrapsAt32Bits) {
    WriteFile(path, Words(25, 0xFFFFFFFF));
    EXPECT_EQ(PackageChecksum(path, 74), static_cast<std::uint32_t>(5ull * 0xFFFFFFFF));
}

TEST_F(ChecksumTest, MarkerSkipsTheHeaderAreaAndAppendedBytes) {
    std::string image(1024, '\0');
    image.replace(0, 2, "MZ");
    image.replace(0x100, 2, "PE");
    std::string body = Words(100, 2);
    std::string bytes = image + body + std::string(74, '\0');
    bytes.replace(0xFC, 4, Le32(static_cast<std::int32_t>(bytes.size())));
    WriteFile(path, bytes + std::string(500, '\x7F'));
    // Summing starts at 512 (the zero image words), so "MZ", "PE" and the marker stay out; of the
    // 100 body words the last two lie within 8 bytes of the trailer; the appended bytes add
    // nothing.
    EXPECT_EQ(PackageChecksum(path, 74), 2u * 98);
}

TEST_F(ChecksumTest, OneChangedByteFailsAndTheNoCheckValuePasses) {
    CraftedPackage crafted;
    crafted.blocks.push_back(StoredBlock(FileContent("a.txt", std::string(3000, 'a'))));
    std::string bytes = crafted.Bytes();
    WriteFile(path, bytes);
    const std::uint32_t sum = PackageChecksum(path, 74);
    EXPECT_TRUE(ChecksumPasses(sum, sum));

    bytes[700] ^= 0x01;
    WriteFile(path, bytes);
    EXPECT_FALSE(ChecksumPasses(PackageChecksum(path, 74), sum));
    EXPECT_TRUE(ChecksumPasses(PackageChecksum(path, 74), kNoChecksum));
    EXPECT_TRUE(ChecksumPasses(kNoChecksum, sum));
}

TEST_F(ChecksumTest, FilesOver50MiBAreNotChecked) {
    int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 52428801), 0); // sparse: nothing is really written
    close(fd);
    EXPECT_EQ(PackageChecksum(path, 74), kNoChecksum);
    EXPECT_TRUE(ChecksumPasses(PackageChecksum(path, 74), 99));

    fd = open(path.c_str(), O_WRONLY | O_TRUNC);
    ASSERT_EQ(ftruncate(fd, 52428800), 0);
    close(fd);
    EXPECT_EQ(PackageChecksum(path, 74), 1234u * (52428800 / 4096 - 1));
}
