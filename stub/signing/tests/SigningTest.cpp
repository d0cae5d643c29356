#include "signing/Base64.h"
#include "signing/Keys.h"
#include "signing/Signature.h"
#include "signing/SigningError.h"
#include "testsupport/CraftedPackage.h"

#include <gtest/gtest.h>

using namespace stub;
using namespace stubtest;

namespace {

class SigningTest : public ::testing::Test {
protected:
    void SetUp() override { WriteFile(file, "release 2.1\n" + std::string(100000, 'x')); }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < text.size();) {
            std::size_t end = text.find('\n', at);
            lines.push_back(text.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    }

    static std::string Line(const std::string& text, std::size_t line) {
        return Lines(text).at(line);
    }

    static std::string WithLine(const std::string& text, std::size_t line,
                                const std::string& replacement) {
        auto lines = Lines(text);
        lines.at(line) = replacement;
        std::string joined;
        for (const auto& each : lines)
            joined += each + "\n";
        return joined;
    }

    ScratchFolder dir;
    std::string file = dir / "release.pkg";
    SecretKey key = GenerateKey();
};

} // namespace

TEST_F(SigningTest, KeysSurviveTheirTextForm) {
    PublicKey pub = ReadPublicKey(PublicKeyFileText(key.Public()));
    EXPECT_EQ(pub.id, key.id);
    EXPECT_EQ(pub.key, key.Public().key);
    EXPECT_EQ(ReadPublicKey(PublicKeyLine(key.Public())).key, pub.key);
    EXPECT_NE(PublicKeyFileText(pub).find("minisign public key " + KeyIdText(key.id)),
              std::string::npos);

    std::string plain = SecretKeyFileText(key, std::nullopt);
    EXPECT_FALSE(SecretKeyIsEncrypted(plain));
    EXPECT_EQ(ReadSecretKey(plain, "ignored").key, key.key);

    std::string locked = SecretKeyFileText(key, "correct horse", InteractiveLimits());
    EXPECT_TRUE(SecretKeyIsEncrypted(locked));
    EXPECT_EQ(Line(locked, 1).find(Line(plain, 1).substr(60, 40)), std::string::npos)
        << "the secret part must not show through";
    SecretKey back = ReadSecretKey(locked, "correct horse");
    EXPECT_EQ(back.key, key.key);
    EXPECT_EQ(back.id, key.id);
}

TEST_F(SigningTest, WrongPassphraseAndDamagedKeysAreRefused) {
    std::string locked = SecretKeyFileText(key, "correct horse", InteractiveLimits());
    for (const char* wrong : {"", "correct hors", "Correct horse"})
        EXPECT_THROW(ReadSecretKey(locked, wrong), SigningError) << wrong;
    std::string plain = SecretKeyFileText(key, std::nullopt);
    std::string damaged = plain;
    damaged[damaged.size() - 20] = damaged[damaged.size() - 20] == 'A' ? 'B' : 'A';
    for (const std::string& text : {damaged, std::string("untrusted comment: x\nAAAA\n"),
                                    std::string("no key here"), PublicKeyFileText(key.Public())})
        EXPECT_THROW(ReadSecretKey(text, ""), SigningError) << text;
    for (const std::string& text : {std::string(""), std::string("untrusted comment: x\n"),
                                    std::string("untrusted comment: x\n!!!!\n"), plain})
        EXPECT_THROW(ReadPublicKey(text), SigningError) << text;
}

// Without a passphrase the checksum may be left zero; then the seed must give the public half.
TEST_F(SigningTest, KeyWithoutPassphraseAndZeroChecksum) {
    constexpr std::size_t kSecretAt = 62, kChecksumAt = 126, kBytes = 158;
    auto bytes = FromBase64(Line(SecretKeyFileText(key, std::nullopt), 1), kBytes, "key");
    std::fill(bytes.begin() + kChecksumAt, bytes.end(), 0);
    auto text = [&bytes] {
        return "untrusted comment: k\n" + ToBase64(bytes.data(), bytes.size()) + "\n";
    };
    EXPECT_EQ(ReadSecretKey(text(), "").key, key.key);
    bytes[kSecretAt + 40] ^= 1;
    EXPECT_THROW(ReadSecretKey(text(), ""), SigningError);
}

TEST_F(SigningTest, ASignatureHoldsForItsFileAndKeyAndReturnsTheTrustedComment) {
    std::string signature = SignFile(key, file, "file:release.pkg\tversion:2.1");
    EXPECT_EQ(VerifyFile(key.Public(), file, signature), "file:release.pkg\tversion:2.1");
    EXPECT_EQ(Line(signature, 2), "trusted comment: file:release.pkg\tversion:2.1");
    EXPECT_NE(DefaultTrustedComment(file).find("\tfile:release.pkg\thashed"), std::string::npos);
}

TEST_F(SigningTest, EveryForgeryIsRefused) {
    std::string signature = SignFile(key, file, "file:release.pkg\tversion:2.1");
    SecretKey other = GenerateKey();
    std::string otherSignature = SignFile(other, file, "file:release.pkg\tversion:2.1");
    std::string sigLine = Line(signature, 1);
    std::string damagedSig = sigLine;
    damagedSig[40] = damagedSig[40] == 'A' ? 'B' : 'A';
    std::string changed = dir / "changed.pkg";
    WriteFile(changed, ReadFile(file) + "!");

    struct Case {
        const char* what;
        PublicKey key;
        std::string path;
        std::string signature;
    };
    PublicKey sameIdOtherKey = other.Public();
    sameIdOtherKey.id = key.id;
    const Case cases[] = {
        {"a changed file", key.Public(), changed, signature},
        {"another key", other.Public(), file, signature},
        {"another key with the same id", sameIdOtherKey, file, signature},
        {"signed by another key", key.Public(), file, otherSignature},
        {"a damaged signature", key.Public(), file, WithLine(signature, 1, damagedSig)},
        {"another trusted comment", key.Public(), file,
         WithLine(signature, 2, "trusted comment: file:release.pkg\tversion:9.9")},
        {"another signature's global signature", key.Public(), file,
         WithLine(signature, 3, Line(SignFile(key, file, "version:9.9"), 3))},
        {"no global signature", key.Public(), file, WithLine(signature, 3, "")},
        {"truncated", key.Public(), file, signature.substr(0, signature.find("trusted comment"))},
        {"a missing file", key.Public(), dir / "missing.pkg", signature},
        {"empty", key.Public(), file, ""},
    };
    for (const auto& c : cases)
        EXPECT_THROW(VerifyFile(c.key, c.path, c.signature), SigningError) << c.what;
}

TEST_F(SigningTest, CommentsSpanningLinesAreRefused) {
    EXPECT_THROW(SignFile(key, file, "a\nuntrusted comment: b"), SigningError);
    EXPECT_THROW(SignFile(key, file, "ok", "a\rb"), SigningError);
    EXPECT_THROW(SignFile(key, dir / "missing.pkg", "ok"), SigningError);
}
