#include "testsupport/CraftedPackage.h"
#include "tools/tests/ProgramRun.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace stubtest;
namespace fs = std::filesystem;

namespace {

const std::string kPassphrase = "STUBPACK_PASSPHRASE=correct horse";

class SigningCommandTest : public ::testing::Test {
protected:
    void SetUp() override { WriteFile(file, "release 2.1\n" + std::string(30000, 'x')); }

    Outcome Stubpack(std::vector<std::string> args, std::vector<std::string> environment = {}) {
        args.insert(args.begin(), STUBPACK_PATH);
        return RunProgram(dir, args, {}, environment);
    }

    Outcome Minisign(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), "minisign");
        return RunProgram(dir, args, input);
    }

    static bool HaveMinisign() {
        for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin"})
            if (fs::exists(fs::path(folder) / "minisign"))
                return true;
        return false;
    }

    ScratchFolder dir;
    std::string file = dir / "release.pkg";
    std::string pub = dir / "k.pub";
    std::string sec = dir / "k.key";
};

} // namespace

TEST_F(SigningCommandTest, KeygenSignAndVerify) {
    auto made = Stubpack({"keygen", "-W", "-p", pub, "-s", sec});
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(fs::status(sec).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);
    auto again = Stubpack({"keygen", "-W", "-p", pub, "-s", sec});
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("already exists"), std::string::npos) << again.err;
    const std::string firstKey = ReadFile(sec);
    EXPECT_EQ(Stubpack({"keygen", "-W", "-f", "-p", pub, "-s", sec}).code, 0);
    EXPECT_NE(ReadFile(sec), firstKey);

    auto signedFile = Stubpack({"sign", "-s", sec, file, "-t", "file:release.pkg\tversion:2.1"});
    ASSERT_EQ(signedFile.code, 0) << signedFile.err;
    auto verified = Stubpack({"verify-signature", "-p", pub, file});
    EXPECT_EQ(verified.code, 0) << verified.err;
    EXPECT_NE(verified.out.find("Trusted comment: file:release.pkg\tversion:2.1\n"),
              std::string::npos)
        << verified.out;

    ASSERT_EQ(Stubpack({"keygen", "-W", "-p", dir / "other.pub", "-s", dir / "other.key"}).code, 0);
    WriteFile(dir / "changed.pkg", ReadFile(file) + "!");
    fs::copy_file(file + ".minisig", dir / "changed.pkg.minisig");
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* message;
    };
    const Case refused[] = {
        {"a changed file", {"-p", pub, dir / "changed.pkg"}, "does not match"},
        {"another key", {"-p", dir / "other.pub", file}, "not with the public key"},
        {"no signature", {"-p", pub, dir / "extra.pkg"}, "extra.pkg.minisig"},
        {"a public key that is none", {"-p", sec, file}, "public key"},
    };
    WriteFile(dir / "extra.pkg", "x");
    for (const auto& c : refused) {
        std::vector<std::string> args = {"verify-signature"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto run = Stubpack(args);
        EXPECT_EQ(run.code, 1) << c.what;
        EXPECT_NE(run.err.find("FAILED"), std::string::npos) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
    }
    for (const std::vector<std::string>& usage : {std::vector<std::string>{"keygen", "-p", pub},
                                                  {"sign", file},
                                                  {"verify-signature", file},
                                                  {"sign", "-s", sec, file, "-q"}})
        EXPECT_EQ(Stubpack(usage).code, 2) << usage[0];
}

TEST_F(SigningCommandTest, PassphraseComesFromTheEnvironmentNeverElseWithoutTerminal) {
    auto noTerminal = Stubpack({"keygen", "-p", pub, "-s", sec});
    EXPECT_EQ(noTerminal.code, 1);
    EXPECT_NE(noTerminal.err.find("STUBPACK_PASSPHRASE"), std::string::npos) << noTerminal.err;
    EXPECT_FALSE(fs::exists(sec));
    EXPECT_FALSE(fs::exists(pub));
    EXPECT_EQ(Stubpack({"keygen", "-p", pub, "-s", sec}, {"STUBPACK_PASSPHRASE="}).code, 1);

    ASSERT_EQ(Stubpack({"keygen", "-p", pub, "-s", sec}, {kPassphrase}).code, 0);
    ASSERT_EQ(Stubpack({"sign", "-s", sec, file}, {kPassphrase}).code, 0);
    EXPECT_EQ(Stubpack({"verify-signature", "-p", pub, file}).code, 0);

    if (!HaveMinisign())
        GTEST_SKIP() << "minisign is not installed";
    // minisign reads the passphrase of this key from its standard input.
    auto theirs =
        Minisign({"-S", "-s", sec, "-m", file, "-x", dir / "theirs.minisig"}, "correct horse\n");
    ASSERT_EQ(theirs.code, 0) << theirs.err;
    EXPECT_EQ(Minisign({"-V", "-p", pub, "-m", file}).code, 0);
    auto accepted = Stubpack({"verify-signature", "-p", pub, "-x", dir / "theirs.minisig", file});
    EXPECT_EQ(accepted.code, 0) << accepted.err;
}

TEST_F(SigningCommandTest, MinisignAndStubpackAcceptEachOthersKeysAndSignatures) {
    if (!HaveMinisign())
        GTEST_SKIP() << "minisign is not installed";
    ASSERT_EQ(Stubpack({"keygen", "-W", "-p", pub, "-s", sec}).code, 0);
    ASSERT_EQ(Stubpack({"sign", "-s", sec, file}).code, 0);
    auto checked = Minisign({"-V", "-p", pub, "-m", file});
    EXPECT_EQ(checked.code, 0) << checked.err;
    WriteFile(file, ReadFile(file) + "!");
    EXPECT_NE(Minisign({"-V", "-p", pub, "-m", file}).code, 0);

    // Keys that minisign made: without a passphrase, and with one given on its standard input.
    const std::string theirPub = dir / "theirs.pub";
    const std::string theirSec = dir / "theirs.key";
    ASSERT_EQ(Minisign({"-G", "-W", "-p", theirPub, "-s", theirSec}).code, 0);
    ASSERT_EQ(Minisign({"-S", "-s", theirSec, "-m", file, "-t", "version:3"}).code, 0);
    auto accepted = Stubpack({"verify-signature", "-p", theirPub, file});
    EXPECT_EQ(accepted.code, 0) << accepted.err;
    EXPECT_NE(accepted.out.find("Trusted comment: version:3"), std::string::npos);
    EXPECT_EQ(Stubpack({"verify-signature", "-p", pub, file}).code, 1);
    ASSERT_EQ(Stubpack({"sign", "-s", theirSec, file}).code, 0);
    EXPECT_EQ(Minisign({"-V", "-p", theirPub, "-m", file}).code, 0);

    const std::string lockedPub = dir / "locked.pub";
    const std::string lockedSec = dir / "locked.key";
    ASSERT_EQ(
        Minisign({"-G", "-p", lockedPub, "-s", lockedSec}, "correct horse\ncorrect horse\n").code,
        0);
    ASSERT_EQ(Stubpack({"sign", "-s", lockedSec, file}, {kPassphrase}).code, 0);
    auto locked = Minisign({"-V", "-p", lockedPub, "-m", file});
    EXPECT_EQ(locked.code, 0) << locked.err;
}
