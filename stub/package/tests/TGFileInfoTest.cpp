#include "package/TGFileInfo.h"
#include "package/Descramble.h"
#include "testsupport/CraftedPackage.h"

#include <gtest/gtest.h>

using namespace stub;
using namespace stubtest;

namespace {

const std::string kLanguages = "\x02"
                               "\x01"
                               "English\x01s0=Setup\x01"
                               "FontSize=10\x01"
                               "\x02"
                               "\x01"
                               "German\x01s0=Installation\x01"
                               "Charset=1\x01"
                               "FontName=Arial\x01"
                               "\x02";

class TGFileInfoTest : public ::testing::Test {
protected:
    void TearDown() override { setenv("LC_ALL", "C.UTF-8", 1); }

    TGFileInfo Package(const std::string& language, const std::string& settings,
                       const std::string& download = {}) {
        CraftedPackage crafted;
        crafted.blocks = {InfoBlock(language), InfoBlock(settings)};
        if (!download.empty()) {
            crafted.blocks.push_back(InfoBlock(download));
            crafted.trailer.InfoBlockCount = 3;
        }
        crafted.trailer.SpaceRequired = {10, 11, 12, 13, 14, 15, 16, 17, 18};
        crafted.trailer.Flags = AnnounceTempExtraction | ShowBusyBar;
        crafted.trailer.MakeAgent = 1;
        WriteFile(path, crafted.Bytes());
        return TGFileInfo(path);
    }

    ScratchFolder dir;
    std::string path = dir / "setup.exe";
};

} // namespace

TEST_F(TGFileInfoTest, SettingsDownloadItemsAndFlags) {
    auto info = Package(kLanguages,
                        "|http://example.org|upd/app.ver.info|agent.exe|cbdddcihfdfcfbfgbfee|1|",
                        "|http://dl.example.org/files|setup.exe|0|cbdddcihfdfcfbfgbfee|5242880|");
    ASSERT_TRUE(info.HasPackage()) << info.Error();
    EXPECT_EQ(info.Setting(SettingsItem::UpdateBaseUrl), "http://example.org");
    EXPECT_EQ(info.Setting(SettingsItem::AgentFileName), "agent.exe");
    EXPECT_EQ(info.Setting(SettingsItem::SecretToken), "cbdddcihfdfcfbfgbfee");
    EXPECT_EQ(info.Setting(SettingsItem::SecretToken, true), "abc");
    EXPECT_TRUE(info.Background());
    EXPECT_EQ(info.VersionRecordName(), "app.original");
    EXPECT_EQ(info.Download(DownloadItem::DownloadFileName), "setup.exe");
    EXPECT_EQ(info.Download(DownloadItem::DownloadToken, true), "abc");
    EXPECT_EQ(info.Download(DownloadItem::DownloadSize), "5242880");
    EXPECT_FALSE(info.AlwaysDownload());
    EXPECT_TRUE(info.AnnounceTempExtraction());
    EXPECT_TRUE(info.ShowBusyBar());
    EXPECT_FALSE(info.SpanDisks());
    EXPECT_TRUE(info.MakeAgent());
    EXPECT_FALSE(info.IsAgent());
}

TEST_F(TGFileInfoTest, NoDownloadBlockWithTwoInfoBlocks) {
    auto info = Package(kLanguages, "|http://|.info|.exe||0|");
    EXPECT_EQ(info.DownloadBlock(), "");
    EXPECT_EQ(info.Download(DownloadItem::DownloadBaseUrl), "");
    EXPECT_FALSE(info.Background());
}

TEST_F(TGFileInfoTest, LanguageFollowsTheUserLocaleWithFallbacks) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    auto german = Package(kLanguages, "|||||");
    EXPECT_EQ(german.LanguageText("s0", "x"), "Installation");
    EXPECT_EQ(german.Charset(), 1);
    EXPECT_EQ(german.FontName(), "Arial");
    EXPECT_EQ(german.FontSize(), 8);
    EXPECT_EQ(german.LanguageText("s1"), "Extracting Files...");
    EXPECT_EQ(german.LanguageText("Confirm"), "Confirm");

    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    auto english = Package(kLanguages, "|||||");
    EXPECT_EQ(english.LanguageText("s0", "x"), "Setup");
    EXPECT_EQ(english.FontSize(), 10);
    // The choice stays for the object's life.
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(english.LanguageText("s0", "x"), "Setup");

    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    auto only = Package("\x02\x01"
                        "Deutsch\x01s0=Nur\x01\x02",
                        "|||||");
    EXPECT_EQ(only.LanguageText("s0", "x"), "Nur");

    auto none = Package("\x02\x01"
                        "Deutsch\x01s0=A\x01\x02\x01"
                        "Dansk\x01s0=B\x01\x02",
                        "|||||");
    EXPECT_EQ(none.LanguageText("s0", "fallback"), "fallback");
    EXPECT_EQ(none.Charset(), 0);
    EXPECT_EQ(none.FontName(), "Tahoma");
}

TEST_F(TGFileInfoTest, SpaceRequiredByClusterSize) {
    struct Case {
        std::uint32_t cluster;
        int index;
    };
    const Case cases[] = {{0, 0},    {511, 0},  {512, 1},  {1023, 1},  {1024, 2},
                          {4096, 4}, {8191, 4}, {8192, 5}, {65536, 8}, {1 << 20, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(SpaceIndexForCluster(c.cluster), c.index) << c.cluster;
    auto info = Package(kLanguages, "|||||");
    EXPECT_EQ(info.SpaceRequiredFor(""), 10u);
    const std::uint32_t here = info.SpaceRequiredFor(dir.path);
    EXPECT_GE(here, 11u);
    EXPECT_EQ(info.SpaceRequiredFor(dir / "not/yet/made"), here);
}

TEST(Descramble, KnownTokenAndDamagedTokens) {
    EXPECT_EQ(DescrambleToken("cbdddcihfdfcfbfgbfee"), "abc");
    EXPECT_EQ(DescrambleToken(std::string("b\xAA") + "cbdddcihfdfcfbfgbfee"), "abc");
    for (const std::string damaged :
         {"cbdddcihfdfcfbfgbfef", "cbdddcihfdfcfbfgbfe", "cbdddcih", "zzzzzzzzzzzzzzzzzzzz", ""}) {
        std::string result = DescrambleToken(damaged);
        ASSERT_FALSE(result.empty()) << damaged;
        EXPECT_NE(result, "abc") << damaged;
        EXPECT_LT(std::stoi(result), 99999) << damaged;
        EXPECT_EQ(result.find_first_not_of("0123456789"), std::string::npos) << damaged;
    }
}

TEST(Descramble, DamagedTokensNeverMatch) {
    const std::string good = "cbdddcihfdfcfbfgbfee";
    const std::string damaged = "cbdddcihfdfcfbfgbfef";
    EXPECT_TRUE(TryDescrambleToken(good).has_value());
    EXPECT_FALSE(TryDescrambleToken(damaged).has_value());
    EXPECT_TRUE(TokensMatch(good, std::string("b\xAA") + good));
    EXPECT_FALSE(TokensMatch(good, damaged));
    EXPECT_FALSE(TokensMatch(damaged, damaged));
    EXPECT_FALSE(TokensMatch("", ""));
}
