#include "update/ReleaseSignature.h"
#include "signing/Keys.h"
#include "signing/Signature.h"

#include "testsupport/CraftedPackage.h"

#include <gtest/gtest.h>

using namespace stubtest;

namespace {

TEST(ReleaseSignatureTest, TrustedCommentItemsAreSplitAtTabsElseAtBlanks) {
    struct Case {
        const char* comment;
        const char* item;
        bool holds;
    };
    const Case cases[] = {
        {"timestamp:1\tfile:setup 4.bin\tversion:4", "file:setup 4.bin", true},
        {"timestamp:1\tfile:setup 4.bin\tversion:4", "version:4", true},
        {"timestamp:1\tfile:setup 4.bin\tversion:4", "file:setup", false},
        {"file:setup-4.bin version:4", "file:setup-4.bin", true},
        {"file:setup-4.bin  version:4", "version:4", true},
        {"file:setup-4.bin.old version:4", "file:setup-4.bin", false},
        {"file:setup-4.bin version:41", "version:4", false},
        {"", "file:setup-4.bin", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stub::TrustedCommentHolds(c.comment, c.item), c.holds)
            << c.comment << " / " << c.item;
}

TEST(ReleaseSignatureTest, AFileIsAcceptedOnlyWithItsPublishersSignatureForItsNameAndVersion) {
    ScratchFolder dir;
    const std::string file = dir / "setup 4.bin";
    const std::string signature = file + ".minisig";
    WriteFile(file, "release four");
    const stub::SecretKey publisher = stub::GenerateKey();
    const stub::SecretKey stranger = stub::GenerateKey();
    const std::string key = stub::PublicKeyLine(publisher.Public());
    struct Case {
        const char* what;
        const stub::SecretKey* signer; // none: no signature file
        const char* comment;
        stub::ReleaseDemand demand;
        const char* problem; // the start of the message; empty: accepted
    };
    const Case cases[] = {
        {"fits", &publisher, "file:setup 4.bin\tversion:4", {key, "setup 4.bin", 4}, ""},
        {"no name or version asked", &publisher, "anything", {key, "", std::nullopt}, ""},
        {"unsigned", nullptr, "", {key, "setup 4.bin", 4}, "Missing signature for setup 4.bin: "},
        {"another key",
         &stranger,
         "file:setup 4.bin\tversion:4",
         {key, "setup 4.bin", 4},
         "Signature refused for setup 4.bin: "},
        {"another name",
         &publisher,
         "file:setup 3.bin\tversion:4",
         {key, "setup 4.bin", 4},
         "Signature refused for setup 4.bin: it is not for this file"},
        {"another version",
         &publisher,
         "file:setup 4.bin\tversion:3",
         {key, "setup 4.bin", 4},
         "Signature refused for setup 4.bin: it is not for version 4"},
        {"a key that is no key",
         &publisher,
         "file:setup 4.bin",
         {"Ed", "setup 4.bin", {}},
         "Signature refused for setup 4.bin: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(signature);
        if (c.signer)
            WriteFile(signature, stub::SignFile(*c.signer, file, c.comment));
        const std::string problem = stub::ReleaseSignatureProblem(c.demand, file, signature);
        if (*c.problem == '\0')
            EXPECT_EQ(problem, "");
        else
            EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
    }
    // A signature file that is a folder, or a flood of bytes, is refused, not read whole.
    std::filesystem::remove(signature);
    std::filesystem::create_directory(signature);
    EXPECT_EQ(stub::ReleaseSignatureProblem({key, "", {}}, file, signature)
                  .rfind("Missing signature for setup 4.bin: ", 0),
              0u);
    std::filesystem::remove(signature);
    WriteFile(signature, std::string(1 << 20, 'A'));
    EXPECT_EQ(stub::ReleaseSignatureProblem({key, "", {}}, file, signature)
                  .rfind("Signature refused for setup 4.bin: ", 0),
              0u);
}

} // namespace
