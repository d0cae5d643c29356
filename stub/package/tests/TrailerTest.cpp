#include "package/AgentCopy.h"
#include "package/PackageError.h"
#include "package/PackageFile.h"
#include "package/TGFileInfo.h"
#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

namespace {

// An image that counts as an executable: "MZ" at 0, "PE" at 0x100.
std::string ExecutableImage() {
    std::string image(1024, 'x');
    image[0] = 'M';
    image[1] = 'Z';
    image[0x100] = 'P';
    image[0x101] = 'E';
    image.replace(0xF8, 8, std::string(8, '\0'));
    return image;
}

void SetMarker(std::string& bytes, std::uint64_t end) {
    bytes.replace(0xF8, 4, Le32(static_cast<std::int32_t>(end >> 32)));
    bytes.replace(0xFC, 4, Le32(static_cast<std::int32_t>(end)));
}

class TrailerTest : public ::testing::Test {
protected:
    ScratchFolder dir;
    std::string path = dir / "package.bin";
};

} // namespace

TEST_F(TrailerTest, LengthAboveAtAndBelow74) {
    CraftedPackage crafted;
    crafted.trailer.FilesCount = 7;
    crafted.trailer.IsAgent = 1;
    std::string normal = crafted.Bytes();

    WriteFile(path, normal);
    auto at = ReadTrailer(path);
    EXPECT_EQ(at.TrailerLength, 74);
    EXPECT_EQ(at.FilesCount, 7u);
    EXPECT_EQ(at.IsAgent, 1);

    // 80: six more bytes in front of the length field; the first 70 bytes are still read.
    std::string longer =
        normal.substr(0, normal.size() - 4) + "\x01\x02\x03\x04\x05\x06" + Le32(80);
    WriteFile(path, longer);
    auto above = ReadTrailer(path);
    EXPECT_EQ(above.TrailerLength, 74);
    EXPECT_EQ(above.FilesCount, 7u);
    EXPECT_EQ(above.Magic, kPackageMagic);
    EXPECT_EQ(above.IsAgent, 1);

    // 40: only the first 36 bytes of the record exist; the rest reads 0.
    std::string shorter =
        normal.substr(0, normal.size() - 74) + normal.substr(normal.size() - 74, 36) + Le32(40);
    WriteFile(path, shorter);
    auto below = ReadTrailer(path);
    EXPECT_EQ(below.TrailerLength, 40);
    EXPECT_EQ(below.FilesCount, 7u);
    EXPECT_EQ(below.Magic, kPackageMagic);
    EXPECT_EQ(below.IsAgent, 0);
    EXPECT_EQ(below.SpaceRequired[8], 0u);
}

TEST_F(TrailerTest, InfoBlockCountZeroReadsAsTwo) {
    CraftedPackage crafted;
    crafted.trailer.InfoBlockCount = 0;
    WriteFile(path, crafted.Bytes());
    EXPECT_EQ(ReadTrailer(path).InfoBlockCount, 2);
    TGFileInfo info(path);
    EXPECT_TRUE(info.HasPackage());
    EXPECT_EQ(info.LanguageText("s0", "x"), "Crafted");
}

TEST_F(TrailerTest, MarkerBranchToleratesAppendedBytes) {
    CraftedPackage crafted;
    crafted.image = ExecutableImage();
    crafted.trailer.FilesCount = 3;
    std::string bytes = crafted.Bytes();

    // Marker 0: the trailer is at the end of the file.
    WriteFile(path, bytes);
    EXPECT_TRUE(IsExecutable(path));
    EXPECT_EQ(ReadTrailer(path).FilesCount, 3u);

    // Marker set: a signature appended behind the package changes nothing.
    SetMarker(bytes, bytes.size());
    WriteFile(path, bytes + std::string(300, 'S'));
    EXPECT_EQ(ReadTrailer(path).FilesCount, 3u);
    TGFileInfo info(path);
    EXPECT_TRUE(info.HasPackage()) << info.Error();
    EXPECT_EQ(info.Setting(SettingsItem::InfoFileName), ".info");

    // The same bytes without "PE" are no executable: the marker is ignored.
    std::string notExecutable = bytes + std::string(300, 'S');
    notExecutable[0x100] = 'x';
    WriteFile(path, notExecutable);
    EXPECT_FALSE(IsExecutable(path));
    EXPECT_THROW(ReadTrailer(path), PackageError);
}

TEST_F(TrailerTest, HostileLengthsAreRefused) {
    std::string normal = CraftedPackage().Bytes();
    std::string image = ExecutableImage();
    std::string pastEnd = image + normal.substr(600);
    SetMarker(pastEnd, pastEnd.size() + 10);
    const std::pair<std::string, std::string> cases[] = {
        {"negative length", normal.substr(0, normal.size() - 4) + Le32(-74)},
        {"length past the start", normal.substr(0, normal.size() - 4) + Le32(0x7FFFFFFF)},
        {"length below 4", normal.substr(0, normal.size() - 4) + Le32(3)},
        {"file shorter than 4 bytes", "ab"},
        {"marker past the end", pastEnd},
    };
    for (const auto& [what, bytes] : cases) {
        WriteFile(path, bytes);
        EXPECT_THROW(ReadTrailer(path), PackageError) << what;
        TGFileInfo info(path);
        EXPECT_FALSE(info.HasPackage()) << what;
        EXPECT_FALSE(info.Error().empty()) << what;
        EXPECT_EQ(info.LanguageText("s1"), "Extracting Files...") << what;
    }
}

TEST_F(TrailerTest, DamagedInfoBlocksLeaveDefaults) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"negative block length", {Le32(-5) + "abcde", InfoBlock("|x|")}},
        {"block past the end", {Le32(1 << 30), InfoBlock("|x|")}},
        {"missing settings block", {InfoBlock(DefaultLanguage())}},
    };
    for (const auto& [what, blocks] : cases) {
        CraftedPackage crafted;
        crafted.blocks = blocks;
        WriteFile(path, crafted.Bytes());
        TGFileInfo info(path);
        EXPECT_FALSE(info.HasPackage()) << what;
        EXPECT_FALSE(info.Error().empty()) << what;
        EXPECT_EQ(info.Setting(SettingsItem::InfoFileName), "") << what;
        EXPECT_EQ(info.LanguageText("s0"), "Kelpset Installation Suite") << what;
    }
}

TEST_F(TrailerTest, MissingFileAndWrongMagicGiveEmptyInfo) {
    TGFileInfo missing(dir / "none.exe");
    EXPECT_FALSE(missing.HasPackage());
    EXPECT_TRUE(missing.Error().empty());
    EXPECT_EQ(missing.Trailer().FilesCount, 0u);
    EXPECT_EQ(missing.FontName(), "Tahoma");

    CraftedPackage crafted;
    crafted.trailer.Magic = 0x12345678;
    WriteFile(path, crafted.Bytes());
    TGFileInfo wrong(path);
    EXPECT_FALSE(wrong.HasPackage());
    EXPECT_EQ(wrong.LanguageBlock(), "");
    EXPECT_EQ(wrong.LanguageText("s0"), "Kelpset Installation Suite");
}

// A web package's agent copy: IsAgent set where the reader finds the trailer, whatever follows
// the package; the copy keeps a long tail and drops a short one.
TEST_F(TrailerTest, WebAgentCopyMarksTheTrailerTheReaderFinds) {
    const struct {
        std::size_t appended;
        bool marker;
        bool kept;
    } cases[] = {
        {0, false, false},   {0, true, false},    {9999, true, false},
        {10000, true, true}, {25000, true, true},
    };
    for (const auto& c : cases) {
        CraftedPackage crafted;
        crafted.image = ExecutableImage();
        crafted.trailer.WebPackage = 1;
        crafted.trailer.FilesCount = 3;
        std::string bytes = crafted.Bytes();
        const std::size_t end = bytes.size();
        if (c.marker)
            SetMarker(bytes, end);
        const std::string tail(c.appended, '\x07');
        WriteFile(path, bytes + tail);
        const std::string agent = dir / "agent";
        ASSERT_TRUE(WriteWebAgentCopy(InputFile(path), agent)) << c.appended;

        const std::string copy = ReadFile(agent);
        ASSERT_EQ(copy.size(), c.kept ? end + c.appended : end) << c.appended;
        EXPECT_EQ(copy.substr(end), c.kept ? tail : "") << "what follows is left as it was";
        const PackageTrailer trailer = ReadTrailer(agent);
        EXPECT_EQ(trailer.IsAgent, 1) << c.appended;
        EXPECT_EQ(trailer.WebPackage, 1);
        EXPECT_EQ(trailer.FilesCount, 3u);
        std::string expected = bytes.substr(0, end);
        expected[end - 5] = 1;
        EXPECT_EQ(copy.substr(0, end), expected) << "only the IsAgent byte changes";
        EXPECT_NE(fs::status(agent).permissions() & fs::perms::owner_exec, fs::perms::none);
    }
}

TEST_F(TrailerTest, WebAgentCopyRefusesAFileWithoutItsField) {
    CraftedPackage crafted;
    crafted.trailer.TrailerLength = 60;
    std::string bytes = crafted.Bytes();
    bytes.replace(bytes.size() - 4, 4, Le32(60));
    WriteFile(path, bytes);
    EXPECT_FALSE(WriteWebAgentCopy(InputFile(path), dir / "agent"));
    WriteFile(path, "ab");
    EXPECT_FALSE(WriteWebAgentCopy(InputFile(path), dir / "agent"));
    EXPECT_FALSE(fs::exists(dir / "agent"));
}
