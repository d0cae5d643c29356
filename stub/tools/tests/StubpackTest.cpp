#include "package/Descramble.h"
#include "package/ListText.h"
#include "package/TGFileInfo.h"
#include "testsupport/CraftedPackage.h"
#include "tools/Scramble.h"
#include "tools/tests/ProgramRun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

namespace {

class StubpackTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir / "in/sub");
        WriteFile(dir / "in/setup.sh", "#!/bin/sh\nexit 0\n");
        WriteFile(dir / "in/readme.txt", std::string(50000, 'r'));
        std::mt19937 random(7);
        std::string noise(70000, '\0');
        for (auto& c : noise)
            c = static_cast<char>(random());
        WriteFile(dir / "in/sub/noise.bin", noise);
        WriteFile(dir / "in/sub/empty.dat", "");
        WriteFile(dir / "extra.cfg", "key=value\n");
    }

    Outcome Stubpack(std::vector<std::string> args) {
        args.insert(args.begin(), STUBPACK_PATH);
        return RunProgram(dir, args);
    }

    Outcome Create(const std::string& output, std::vector<std::string> options = {}) {
        std::vector<std::string> args = {"create", "--stub",   STUB_PATH,     "-o",
                                         output,   "--engine", "setup.sh* /S"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(dir / "in");
        args.push_back(dir / "extra.cfg");
        return Stubpack(args);
    }

    void ExpectSameFiles(const std::string& dest) {
        for (const char* name : {"setup.sh", "readme.txt", "sub/noise.bin", "sub/empty.dat"})
            EXPECT_EQ(ReadFile(dest + "/" + name), ReadFile(dir / ("in/" + std::string(name))))
                << name;
        EXPECT_EQ(ReadFile(dest + "/extra.cfg"), ReadFile(dir / "extra.cfg"));
    }

    ScratchFolder dir;
};

} // namespace

TEST(Scramble, DescramblingReturnsEveryToken) {
    for (const std::string& token :
         std::vector<std::string>{"", "a", "abcdefghijklmnopqrstuvwxyzabcdef", "Token with spaces",
                                  std::string("\x01\xFF\x00z", 4)}) {
        for (int i = 0; i < 50; ++i) {
            std::string stored = ScrambleToken(token);
            EXPECT_EQ(stored.find_first_not_of("bcdefghijkstuvwx"), std::string::npos) << stored;
            EXPECT_EQ(DescrambleToken(stored), token);
        }
    }
}

TEST_F(StubpackTest, HelpExplainsEveryOption) {
    auto help = Stubpack({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* option : {"create",
                               "list",
                               "verify",
                               "extract",
                               "--output",
                               "--stub",
                               "--engine",
                               "--language",
                               "--update-url",
                               "--info-file",
                               "--agent-name",
                               "--token",
                               "--background",
                               "--download-url",
                               "--download-file",
                               "--always-download",
                               "--download-token",
                               "--download-size",
                               "--announce-temp",
                               "--span-cd",
                               "--busy-bar",
                               "--debug-log",
                               "--web-package",
                               "--confirm-download",
                               "--make-agent",
                               "--agent",
                               "--no-checksum",
                               "--store",
                               "--deflate",
                               "--level",
                               "--volume-size",
                               "--force-prompt",
                               "--verbose",
                               "keygen",
                               "sign",
                               "verify-signature",
                               "--update-key"})
        EXPECT_NE(help.out.find(std::string(option) + " "), std::string::npos) << option;

    auto wrong = Stubpack({"create", "--no-such-option"});
    EXPECT_EQ(wrong.code, 2);
    EXPECT_NE(wrong.err.find("unknown option --no-such-option"), std::string::npos);
}

TEST_F(StubpackTest, CreateListVerifyAndExtract) {
    WriteFile(dir / "lang.ini", "[English]\ns0=Demo Setup\nFontSize=9\n[German]\ns0=Demo\n");
    const std::string package = dir / "setup.exe";
    auto created =
        Create(package, {"--token", "s3cret", "--language", dir / "lang.ini", "--download-url",
                         "http://127.0.0.1/x", "--download-token", "dl", "--busy-bar"});
    ASSERT_EQ(created.code, 0) << created.err;
    EXPECT_NE(fs::status(package).permissions() & fs::perms::owner_exec, fs::perms::none);

    TGFileInfo info(package);
    ASSERT_TRUE(info.HasPackage()) << info.Error();
    EXPECT_EQ(info.Trailer().FilesCount, 5u);
    EXPECT_EQ(info.Trailer().DataOffset, fs::file_size(STUB_PATH));
    EXPECT_EQ(info.Trailer().InfoBlockCount, 3);
    EXPECT_TRUE(info.ShowBusyBar());
    EXPECT_EQ(info.Setting(SettingsItem::SecretToken, true), "s3cret");
    EXPECT_EQ(info.Download(DownloadItem::DownloadToken, true), "dl");
    EXPECT_EQ(info.LanguageText("s0"), "Demo Setup");
    EXPECT_EQ(info.FontSize(), 9);
    EXPECT_LE(info.Trailer().SpaceRequired[0], info.Trailer().SpaceRequired[8]);
    EXPECT_GE(info.Trailer().SpaceRequired[4], 4096u * 4);

    auto list = Stubpack({"list", package});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_NE(list.out.find("SecretToken:    s3cret"), std::string::npos);
    EXPECT_NE(list.out.find("Languages:      English German"), std::string::npos);
    EXPECT_NE(list.out.find("deflated        50000"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("stored          70000"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("setup.sh* /S"), std::string::npos);
    EXPECT_LT(list.out.find("setup.sh* /S"), list.out.find("readme.txt"));

    auto verify = Stubpack({"verify", package});
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_NE(verify.out.find("OK: "), std::string::npos);

    auto extract = Stubpack({"extract", package, dir / "out"});
    ASSERT_EQ(extract.code, 0) << extract.err;
    ExpectSameFiles(dir / "out");
}

TEST_F(StubpackTest, StubExtractsItsOwnPackage) {
    const std::string package = dir / "setup.exe";
    ASSERT_EQ(Create(package, {"--make-agent", "--agent-name", "agent.exe"}).code, 0);
    auto run = RunProgram(dir, {package, "--extract", dir / "dest"});
    ASSERT_EQ(run.code, 0) << run.err;
    ExpectSameFiles(dir / "dest");
    EXPECT_NE(run.out.find("FileInfo.FilesCount=5"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("engine: setup.sh* /S"), std::string::npos);
    EXPECT_NE(fs::status(dir / "dest/setup.sh").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    TGFileInfo agent(dir / "dest/agent.exe");
    ASSERT_TRUE(agent.HasPackage()) << agent.Error();
    EXPECT_TRUE(agent.IsAgent());
    EXPECT_EQ(agent.Setting(SettingsItem::AgentFileName), "agent.exe");
    // The agent is the stub with its information blocks only: it carries no files.
    const auto infoEnd = agent.Trailer().DataOffset + 8 + agent.LanguageBlock().size() +
                         agent.SettingsBlock().size();
    EXPECT_EQ(fs::file_size(dir / "dest/agent.exe"), infoEnd + 74);
}

TEST_F(StubpackTest, StubWithoutPackageSaysSo) {
    auto run = RunProgram(dir, {STUB_PATH, dir / "dest"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("carries no package"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "dest"));
}

TEST_F(StubpackTest, OneChangedByteFailsVerifyAndTheStub) {
    const std::string package = dir / "setup.exe";
    ASSERT_EQ(Create(package).code, 0);
    std::string bytes = ReadFile(package);
    bytes[fs::file_size(STUB_PATH) + 200] ^= 0x20;
    WriteFile(package, bytes);
    fs::permissions(package, fs::perms::owner_all);

    auto verify = Stubpack({"verify", package});
    EXPECT_EQ(verify.code, 1);
    EXPECT_NE(verify.err.find("checksum does not match"), std::string::npos) << verify.err;

    auto run = RunProgram(dir, {package, "--extract", dir / "dest"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Bad CRC!"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "dest/readme.txt"));
}

TEST_F(StubpackTest, BrokenDeflateStreamIsReported) {
    const std::string package = dir / "setup.exe";
    WriteFile(dir / "in/readme.txt", std::string(400000, 'r') + std::string(4000, 's'));
    ASSERT_EQ(Create(package, {"--no-checksum", "--deflate"}).code, 0);
    std::string bytes = ReadFile(package);
    for (std::size_t i = bytes.size() - 74 - 260; i < bytes.size() - 74 - 200; ++i)
        bytes[i] = static_cast<char>(~bytes[i]);
    WriteFile(package, bytes);
    auto verify = Stubpack({"verify", package});
    EXPECT_EQ(verify.code, 1);
    EXPECT_NE(verify.err.find("broken compressed data"), std::string::npos) << verify.err;
}

TEST_F(StubpackTest, VolumesAndAMissingVolume) {
    const std::string package = dir / "setup.exe";
    WriteFile(dir / "extra.cfg", std::string(40000, 'k'));
    const auto stubSize = static_cast<std::int64_t>(fs::file_size(STUB_PATH));
    auto created = Create(package, {"--store", "--volume-size", std::to_string(stubSize + 80000)});
    ASSERT_EQ(created.code, 0) << created.err;
    ASSERT_TRUE(fs::exists(dir / "setup.exe.002"));
    ASSERT_TRUE(fs::exists(dir / "setup.exe.003"));
    EXPECT_FALSE(fs::exists(dir / "setup.exe.004"));
    for (const char* volume : {"setup.exe", "setup.exe.002", "setup.exe.003"})
        EXPECT_LE(static_cast<std::int64_t>(fs::file_size(dir / volume)), stubSize + 80000);
    EXPECT_TRUE(TGFileInfo(package).SpanDisks());
    EXPECT_FALSE(TGFileInfo(dir / "setup.exe.003").SpanDisks());

    auto verify = Stubpack({"verify", package});
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_NE(verify.out.find("5 files in 3 volume(s)"), std::string::npos) << verify.out;
    auto run = RunProgram(dir, {package, "--extract", dir / "dest"});
    ASSERT_EQ(run.code, 0) << run.err;
    ExpectSameFiles(dir / "dest");

    // Without a terminal the prompt for the missing volume takes its cancel answer.
    fs::rename(dir / "setup.exe.002", dir / "elsewhere");
    auto cancelled = Stubpack({"extract", package, dir / "dest2"});
    EXPECT_EQ(cancelled.code, 1);
    EXPECT_NE(cancelled.err.find("Please insert DISK #2 and press OK to continue"),
              std::string::npos)
        << cancelled.err;
    EXPECT_NE(cancelled.err.find("cancelled"), std::string::npos);
}

TEST_F(StubpackTest, RefusesWhatCannotBePacked) {
    auto missing = Stubpack({"create", "--stub", STUB_PATH, "-o", dir / "p.exe", dir / "none"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("no such file or folder"), std::string::npos);
    auto engine = Stubpack(
        {"create", "--stub", STUB_PATH, "-o", dir / "p.exe", "--engine", "absent.sh", dir / "in"});
    EXPECT_EQ(engine.code, 1);
    EXPECT_NE(engine.err.find("absent.sh is not among the packed files"), std::string::npos);
    auto small = Stubpack(
        {"create", "--stub", STUB_PATH, "-o", dir / "p.exe", "--volume-size", "1000", dir / "in"});
    EXPECT_EQ(small.code, 1);
    EXPECT_FALSE(fs::exists(dir / "p.exe"));
}

// A failed run must not cost the package an earlier run wrote.
TEST_F(StubpackTest, FailedCreateKeepsTheEarlierPackage) {
    ASSERT_EQ(Create(dir / "p.exe").code, 0);
    const std::string earlier = ReadFile(dir / "p.exe");
    auto small = Create(dir / "p.exe", {"--volume-size", "1000"});
    EXPECT_EQ(small.code, 1);
    EXPECT_TRUE(ReadFile(dir / "p.exe") == earlier);
    for (const auto& entry : fs::directory_iterator(dir.path))
        EXPECT_EQ(entry.path().filename().string().rfind("p.exe.", 0), std::string::npos)
            << entry.path();
}

// A package written into the folder it packs is there on the next run: packing it into
// itself must be refused, not read while it grows, and the earlier package kept.
TEST_F(StubpackTest, RefusesToPackThePackageBeingWritten) {
    const std::string volumeSize = std::to_string(fs::file_size(STUB_PATH) + 100000);
    ASSERT_EQ(Create(dir / "in/setup.exe", {"--store", "--volume-size", volumeSize}).code, 0);
    ASSERT_TRUE(fs::exists(dir / "in/setup.exe.002"));
    const std::string first = ReadFile(dir / "in/setup.exe");
    const std::string second = ReadFile(dir / "in/setup.exe.002");
    for (const auto& options :
         {std::vector<std::string>{"--volume-size", "200000"}, std::vector<std::string>{}}) {
        auto again = Create(dir / "in/setup.exe", options);
        EXPECT_EQ(again.code, 1);
        EXPECT_NE(again.err.find("is the package being written"), std::string::npos) << again.err;
        EXPECT_TRUE(ReadFile(dir / "in/setup.exe") == first);
        EXPECT_TRUE(ReadFile(dir / "in/setup.exe.002") == second);
    }
}

TEST_F(StubpackTest, ExecutableImageGetsTheEndMarkerAndToleratesAppendedBytes) {
    std::string image(1024, '\0');
    image.replace(0, 2, "MZ");
    image.replace(0x100, 2, "PE");
    WriteFile(dir / "image.bin", image);
    const std::string package = dir / "setup.exe";
    auto created = Stubpack({"create", "--stub", dir / "image.bin", "-o", package, dir / "in"});
    ASSERT_EQ(created.code, 0) << created.err;
    const std::string bytes = ReadFile(package);
    EXPECT_EQ(ReadLe32(reinterpret_cast<const unsigned char*>(bytes.data()) + 0xFC), bytes.size());
    WriteFile(package, bytes + std::string(300, 'S'));

    auto verify = Stubpack({"verify", package});
    EXPECT_EQ(verify.code, 0) << verify.err;
    auto extract = Stubpack({"extract", package, dir / "out"});
    ASSERT_EQ(extract.code, 0) << extract.err;
    EXPECT_EQ(ReadFile(dir / "out/sub/noise.bin"), ReadFile(dir / "in/sub/noise.bin"));
}

TEST_F(StubpackTest, UpdateKeyAndRequireHttpsAreExtraSettingsItemsThatOlderReadersSkip) {
    ASSERT_EQ(Stubpack({"keygen", "-W", "-p", dir / "k.pub", "-s", dir / "k.key"}).code, 0);
    const std::string keyLine =
        ReadFile(dir / "k.pub").substr(ReadFile(dir / "k.pub").find('\n') + 1);
    const std::string plain = dir / "plain.exe";
    const std::string keyed = dir / "keyed.exe";
    ASSERT_EQ(Create(plain, {"--token", "t"}).code, 0);
    auto created = Create(keyed, {"--token", "t", "--update-key", dir / "k.pub"});
    ASSERT_EQ(created.code, 0) << created.err;

    TGFileInfo before(plain);
    TGFileInfo after(keyed);
    EXPECT_EQ(before.UpdatePublicKey(), "");
    EXPECT_EQ(after.UpdatePublicKey() + "\n", keyLine);
    // The token is scrambled afresh each time; everything else of the settings is the same, and
    // a package without the key has exactly the items it had before.
    const std::string token = ListItem(before.SettingsBlock(), 3);
    EXPECT_EQ(before.SettingsBlock(), "|http://|.info|.exe|" + token + "|0|");
    EXPECT_EQ(after.SettingsBlock(), "|http://|.info|.exe|" + ListItem(after.SettingsBlock(), 3) +
                                         "|0|" + after.UpdatePublicKey() + "|");
    EXPECT_EQ(fs::file_size(keyed) - fs::file_size(plain),
              after.SettingsBlock().size() - before.SettingsBlock().size());
    EXPECT_EQ(after.Setting(SettingsItem::Background), "0");
    EXPECT_EQ(after.Setting(SettingsItem::SecretToken, true), "t");

    auto list = Stubpack({"list", keyed});
    EXPECT_NE(list.out.find("UpdatePublicKey: " + after.UpdatePublicKey() + "\n"),
              std::string::npos)
        << list.out;
    EXPECT_EQ(Stubpack({"list", plain}).out.find("UpdatePublicKey"), std::string::npos);
    EXPECT_EQ(Stubpack({"verify", keyed}).code, 0);
    auto run = RunProgram(dir, {keyed, "--extract", dir / "dest"});
    ASSERT_EQ(run.code, 0) << run.err;
    ExpectSameFiles(dir / "dest");

    // RequireHttps follows the key, with an empty key item when there is none.
    const std::string strict = dir / "strict.exe";
    const std::string strictKeyed = dir / "strict-keyed.exe";
    ASSERT_EQ(Create(strict, {"--token", "t", "--require-https"}).code, 0);
    ASSERT_EQ(
        Create(strictKeyed, {"--token", "t", "--update-key", dir / "k.pub", "--require-https"})
            .code,
        0);
    for (const auto& [path, key] :
         {std::pair{strict, std::string()}, std::pair{strictKeyed, after.UpdatePublicKey()}}) {
        TGFileInfo info(path);
        EXPECT_EQ(info.SettingsBlock(),
                  "|http://|.info|.exe|" + ListItem(info.SettingsBlock(), 3) + "|0|" + key + "|1|");
        EXPECT_TRUE(info.RequireHttps());
        EXPECT_EQ(info.UpdatePublicKey(), key);
        EXPECT_NE(Stubpack({"list", path}).out.find("RequireHttps:   1\n"), std::string::npos);
    }
    EXPECT_FALSE(after.RequireHttps());
    EXPECT_EQ(Stubpack({"list", keyed}).out.find("RequireHttps"), std::string::npos);

    WriteFile(dir / "bad.pub", "untrusted comment: x\nnot base64\n");
    auto refused = Create(dir / "bad.exe", {"--update-key", dir / "bad.pub"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("bad.pub: the public key is not valid"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(dir / "bad.exe"));
}
