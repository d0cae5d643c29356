#include "update/UpdateDecision.h"
#include "update/UpdateNames.h"
#include "update/UpdateSize.h"

#include "update/tests/TestHttpServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace stub;

namespace {

constexpr std::int64_t kNow = 3'900'000'000;
const std::vector<std::string> kOwnFiles = {"agent", "X_agent", "update.original", "update.ini"};

// A description that passes every check against the record below.
DecisionInput PassingInput() {
    DecisionInput in;
    in.infoDownloaded = true;
    in.record.versionOriginal = 3;
    in.record.stamp = "old";
    in.record.reAskSecondsInterval = 3600;
    in.record.reAskSecondsLast = kNow - 10;
    in.description.versionNew = 4;
    in.description.stamp = "new";
    in.description.nameOfUpdateFile = "setup-4.bin";
    in.description.sizeOfUpdateFile = 5000;
    in.now = kNow;
    in.base = "http://127.0.0.1/site";
    in.ownFiles = kOwnFiles;
    in.actualSize = [](const std::string&, const std::string&) -> std::int64_t {
        return 5000;
    };
    return in;
}

TEST(UpdateDecisionTest, EveryCodeIsTheFirstFailingCheck) {
    struct Case {
        const char* what;
        std::function<void(DecisionInput&)> change;
        int code;
    } cases[] = {
        {"all pass", [](DecisionInput&) {}, kDecisionOk},
        {"no description", [](DecisionInput& in) { in.infoDownloaded = false; }, 0},
        {"no description wins over everything",
         [](DecisionInput& in) {
             in.infoDownloaded = false;
             in.record.versionOriginal = 0;
         },
         0},
        {"installed version 0", [](DecisionInput& in) { in.record.versionOriginal = 0; }, 1},
        {"installed version negative", [](DecisionInput& in) { in.record.versionOriginal = -2; },
         1},
        {"same stamp, re-ask not due", [](DecisionInput& in) { in.record.stamp = "new"; }, 2},
        {"same stamp, re-ask due",
         [](DecisionInput& in) {
             in.record.stamp = "new";
             in.record.reAskSecondsLast = kNow - 3601;
         },
         kDecisionOk},
        {"same stamp, re-ask exactly at its end",
         [](DecisionInput& in) {
             in.record.stamp = "new";
             in.record.reAskSecondsLast = kNow - 3600;
         },
         2},
        {"same stamp, re-ask interval 0 never due",
         [](DecisionInput& in) {
             in.record.stamp = "new";
             in.record.reAskSecondsInterval = 0;
             in.record.reAskSecondsLast = 0;
         },
         2},
        {"same stamp, manual check",
         [](DecisionInput& in) {
             in.record.stamp = "new";
             in.manualCheck = true;
         },
         kDecisionOk},
        {"same version", [](DecisionInput& in) { in.description.versionNew = 3; }, 3},
        {"older version", [](DecisionInput& in) { in.description.versionNew = 2; }, 3},
        {"valid for 3,4 with 3", [](DecisionInput& in) { in.description.validVersions = "3,4"; },
         kDecisionOk},
        {"valid for 3,4 with 5",
         [](DecisionInput& in) {
             in.description.validVersions = "3,4";
             in.record.versionOriginal = 5;
             in.description.versionNew = 6;
         },
         4},
        {"valid for 13 with 3", [](DecisionInput& in) { in.description.validVersions = "13"; }, 4},
        {"size off by 99", [](DecisionInput& in) { in.description.sizeOfUpdateFile = 5000 + 99; },
         kDecisionOk},
        {"size off by -99", [](DecisionInput& in) { in.description.sizeOfUpdateFile = 5000 - 99; },
         kDecisionOk},
        {"size off by 100", [](DecisionInput& in) { in.description.sizeOfUpdateFile = 5100; }, 5},
        {"size off by -100", [](DecisionInput& in) { in.description.sizeOfUpdateFile = 4900; }, 5},
        {"size unknown",
         [](DecisionInput& in) {
             in.description.sizeOfUpdateFile = 50;
             in.actualSize = [](const std::string&, const std::string&) -> std::int64_t {
                 return -1;
             };
         },
         5},
        {"inform: its own name and size",
         [](DecisionInput& in) {
             in.description.autoInform = true;
             in.description.nameOfInformFile = "news.txt";
             in.description.sizeOfInformFile = 4950;
             in.description.sizeOfUpdateFile = 1;
         },
         kDecisionOk},
        {"path as name",
         [](DecisionInput& in) { in.description.nameOfUpdateFile = "../../.bashrc"; }, 5},
        {"agent as name", [](DecisionInput& in) { in.description.nameOfUpdateFile = "X_AGENT"; },
         5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DecisionInput in = PassingInput();
        c.change(in);
        std::vector<std::string> process, debug;
        const int code = GetOkToPerformAU(in, {[&](const std::string& l) { process.push_back(l); },
                                               [&](const std::string& l) {
                                                   debug.push_back(l);
                                               }});
        EXPECT_EQ(code, c.code);
        ASSERT_FALSE(process.empty());
        EXPECT_EQ(process.back(), " GetOkToPerformAU=" + std::to_string(c.code));
        ASSERT_FALSE(debug.empty());
        EXPECT_EQ(debug.back(),
                  "GetOkToPerformAU = " + std::to_string(c.code) + " - " + DecisionText(c.code));
    }
}

TEST(UpdateDecisionTest, TextsAndSizeLogLines) {
    EXPECT_EQ(DecisionText(0), "Error downloading .INFO file");
    EXPECT_EQ(DecisionText(1), "Error reading .ORIGINAL file");
    EXPECT_EQ(DecisionText(2), "Too early for retesting");
    EXPECT_EQ(DecisionText(3), "New version is not higher then old version");
    EXPECT_EQ(DecisionText(4), "\"Valid for version\" mismatch");
    EXPECT_EQ(DecisionText(5), "Download file size error");
    EXPECT_EQ(DecisionText(6), "OK");

    DecisionInput in = PassingInput();
    in.description.sizeOfUpdateFile = 7000;
    std::vector<std::string> debug;
    GetOkToPerformAU(in, {{}, [&](const std::string& l) {
                              debug.push_back(l);
                          }});
    EXPECT_EQ(debug, (std::vector<std::string>{"  InfoSize=7000", "  HttpSize=5000",
                                               "  URL=http://127.0.0.1/site/setup-4.bin",
                                               "GetOkToPerformAU = 5 - Download file size error"}));
}

TEST(UpdateDecisionTest, ShotTimeStatus) {
    VersionRecord r;
    r.probeSecondsLast = kNow - 60;
    struct Case {
        std::int64_t interval;
        bool periodic, requested, testMode;
        int status;
    } cases[] = {
        {60, true, false, false, 1},  {61, true, false, false, 0},  {0, true, false, false, 2},
        {-1, true, false, false, 0},  {-1, true, true, false, 1},   {-1, true, false, true, 0},
        {60, false, false, false, 0}, {600, false, true, false, 1}, {600, true, false, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval);
        r.probeSecondsInterval = c.interval;
        EXPECT_EQ(ShotTimeStatus(c.periodic, c.requested, r, c.testMode, kNow), c.status);
    }
}

TEST(UpdateNamesTest, OnlyBareNamesOtherThanTheAgentsOwn) {
    for (const std::string& bad : std::vector<std::string>{
             "", ".", "..", "../../.bashrc", "/etc/passwd", "a/b", "a\\b", "c:x", "agent", "AGENT",
             "x_agent", "update.original", "update.ini", std::string("a\nb")})
        EXPECT_NE(RefusedUpdateFileName(bad, kOwnFiles), "") << bad;
    for (const std::string good : {"setup-4.bin", "..setup", "agent.bin", "新版.bin"})
        EXPECT_EQ(RefusedUpdateFileName(good, kOwnFiles), "") << good;
}

TEST(UpdateNamesTest, ALocalBaseOnlyForALocalDescription) {
    EXPECT_TRUE(IsLocalBase("/srv/updates", true));
    EXPECT_FALSE(IsLocalBase("/home/u/.ssh", false));
    EXPECT_FALSE(IsLocalBase("file:///home/u/.ssh", true));
    EXPECT_FALSE(IsLocalBase("http://127.0.0.1/x", true));
    EXPECT_FALSE(IsLocalBase("", true));
    EXPECT_EQ(LocalSource("/srv/u", "a.bin"), "/srv/u/a.bin");
    EXPECT_EQ(LocalSource("/srv/u/", "a.bin"), "/srv/u/a.bin");
}

TEST(UpdateSizeTest, LocalFileOnlyForALocalDescriptionElseTheServer) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("update-size-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "setup.bin") << std::string(1234, 'x');

    EXPECT_EQ(UpdateFileSize(dir.string(), "setup.bin", true, false), 1234);
    EXPECT_EQ(UpdateFileSize(dir.string(), "setup.bin", false, false), -1);
    EXPECT_EQ(UpdateFileSize("file://" + dir.string(), "setup.bin", true, false), -1);
    EXPECT_EQ(UpdateFileSize(dir.string(), "missing.bin", true, false), -1);

    stubtest::TestHttpServer server;
    stubtest::Resource file;
    file.body = std::string(777, 'y');
    server.Set("/site/setup.bin", file);
    const std::string base = server.Url("/site");
    EXPECT_EQ(UpdateFileSize(base, "setup.bin", true, false), -1);
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(UpdateFileSize(base, "setup.bin", true, true), 777);
    EXPECT_EQ(UpdateFileSize("file://" + dir.string(), "setup.bin", true, true), -1);
    std::filesystem::remove_all(dir);
}

} // namespace
