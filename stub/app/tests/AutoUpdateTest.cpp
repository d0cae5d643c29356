#include "app/AutoUpdate.h"
#include "package/TGFileInfo.h"
#include "platform/Programs.h"
#include "platform/RuntimeFolder.h"
#include "signing/Keys.h"
#include "signing/Signature.h"
#include "update/Connectivity.h"
#include "update/ProcessFinder.h"
#include "update/UpdateTime.h"
#include "update/VersionRecord.h"

#include "app/tests/UpdateScene.h"
#include "testsupport/CraftedPackage.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace stubtest;
namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kNow = 4006076645LL;

// The boxes answer from a script; waits are the agent's own.
class TestUi : public stub::SetupUi {
public:
    RecordingBoxes boxes;
    stub::MessageBoxes& Boxes() override { return boxes; }
    void SetProgressText(const std::string&, const stub::LanguageFont&) override {}
    void ShowBusyBar() override {}
    void ShowProgress(bool) override {}
    stub::OnProgress ProgressCallback() override { return {}; }
    void Wait(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    bool CloseAsked() const override { return false; }
    bool ShowInform(const stub::InformWindowText& inform) override {
        informs.push_back(inform);
        return acceptInform;
    }
    std::vector<stub::InformWindowText> informs;
    bool acceptInform = true;
};

void RunTool(const std::vector<std::string>& args) {
    std::string error;
    const pid_t child = stub::StartProgram(args, &error);
    EXPECT_GT(child, 0) << error;
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[1];
}

// An installed product with its agent beside it, offered version 4.
class AutoUpdateTest : public ::testing::Test, protected UpdateScene {
protected:
    void SetUp() override {
        SetUpFiles();
        MakeAgent({});
    }

    void SetUpFiles() {
        SetUpScene();
        Pack("secret-1");
        WriteRecord(0);
        Describe("Using WM_QUIT");
    }

    void MakeAgent(const std::vector<std::string>& options) {
        fs::remove(agent);
        std::vector<std::string> args = {
            STUBPACK_PATH, "create",   "--stub",       STUB_PATH,           "-o",
            agent,         "--store",  "--agent",      "--agent-name",      "kelp-agent",
            "--info-file", "kelp.ini", "--update-url", server.Url("/info"), "--token",
            "secret-1"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(dir / "empty");
        RunTool(args);
        own = stub::TGFileInfo(agent);
    }

    void TearDown() override { TearDownScene(); }

    void Pack(const std::string& token) {
        RunTool(SetupPackage(token));
        ServeSetupPackage();
    }

    void Describe(const std::string& method, const std::string& overrides = "") {
        descriptionText = UpdateScene::Describe(method, overrides);
    }

    pid_t StartProduct() {
        const pid_t pid = stub::StartProgram({product});
        while (stub::FindProcess(product, true) != pid)
            std::this_thread::yield();
        return pid;
    }

    stub::UpdateAgent Agent(std::function<bool()> stopping = [] { return false; }) {
        stub::AgentSetup setup;
        setup.start = {agent, ""};
        setup.own = &own;
        setup.runtime = stub::RuntimeFolder().value_or("");
        setup.ui = &ui;
        setup.notify = [this](int code, int value) {
            notified.push_back({code, value});
        };
        setup.stopping = stopping;
        setup.overrides = overrides;
        setup.connected = stub::IsConnected;
        setup.now = [] {
            return kNow;
        };
        return stub::UpdateAgent(setup);
    }

    // Waits for something another process brings about, at most a minute.
    static bool WaitFor(const std::function<bool()>& condition) {
        for (int i = 0; i < 6000 && !condition(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return condition();
    }

    bool ProductRuns() { return stub::IsProcessRunning(product); }

    stub::VersionRecord Record() { return *stub::VersionRecord::Load(record); }

    std::string agent = dir / "agent/X_kelp-agent";
    TestUi ui;
    stub::TransientOverrides overrides;
    std::vector<std::pair<int, int>> notified;
    stub::TGFileInfo own{""};
    std::string descriptionText;
};

// The same product, its agent carrying the publisher's public key.
class SignedUpdateTest : public AutoUpdateTest {
protected:
    void SetUp() override {
        SetUpFiles();
        WriteFile(dir / "publisher.pub", stub::PublicKeyFileText(publisher.Public()));
        MakeAgent({"--update-key", dir / "publisher.pub"});
    }

    // Serves the signature of a file lying in the site folder.
    void Sign(const stub::SecretKey& key, const std::string& name, const std::string& comment,
              const std::string& address) {
        Resource signature;
        signature.body = stub::SignFile(key, dir / ("site/" + name), comment);
        server.Set(address + ".minisig", signature);
    }

    // The description as last described, signed by the publisher.
    void SignDescription() {
        WriteFile(dir / "site/kelp.ini", descriptionText);
        Sign(publisher, "kelp.ini", "file:kelp.ini", "/info/kelp.ini");
    }

    void ExpectNothingInstalled() {
        EXPECT_TRUE(ProductRuns());
        EXPECT_FALSE(fs::exists(dir / "engine-record"));
        EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin"));
        EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin.minisig"));
        EXPECT_EQ(Record().versionOriginal, 3);
        EXPECT_EQ(Record().stamp, "old");
        EXPECT_EQ(Record().reAskSecondsLast, 0);
    }

    stub::SecretKey publisher = stub::GenerateKey();
};

} // namespace

TEST_F(AutoUpdateTest, ProbeDownloadsStopsInstallsRecordsAndRestarts) {
    const pid_t first = StartProduct();
    ASSERT_TRUE(Agent().PerformShot(false));

    const std::vector<std::pair<int, int>> expected = {{40, 1}, {40, 2}, {41, 1},
                                                       {41, 2}, {42, 1}, {42, 2}};
    EXPECT_EQ(notified, expected);
    int status = 0;
    EXPECT_EQ(waitpid(first, &status, 0), first);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    const auto args = EngineArgs();
    EXPECT_NE(std::find(args.begin(), args.end(), "/AutoUpdateProg"), args.end());
    EXPECT_NE(std::find(args.begin(), args.end(), "/OriginalInfoFile=" + dir / "agent/kelp.ini"),
              args.end());
    EXPECT_EQ(Record().versionOriginal, 4);
    EXPECT_EQ(Record().stamp, "new");
    EXPECT_EQ(Record().probeSecondsLast, kNow);
    EXPECT_EQ(Record().reAskSecondsLast, kNow);
    EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin"));
    ASSERT_TRUE(WaitFor([&] { return ProductPids().size() == 2; }));
    EXPECT_NE(ProductPids()[1], first);
    EXPECT_TRUE(ui.boxes.shown.empty());
}

TEST_F(AutoUpdateTest, APackageWithAnotherTokenIsRefusedAndTheProductLeftAlone) {
    Pack("secret-2");
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(false));
    ASSERT_EQ(ui.boxes.shown.size(), 1u);
    EXPECT_EQ(ui.boxes.shown[0].kind, "error");
    EXPECT_EQ(ui.boxes.shown[0].text, "Bad Secret Token!");
    EXPECT_TRUE(ProductRuns());
    EXPECT_FALSE(fs::exists(dir / "engine-record"));
    EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin"));
    // Not acted on: the next probe offers it again.
    EXPECT_EQ(Record().versionOriginal, 3);
    EXPECT_EQ(Record().stamp, "old");
    EXPECT_EQ(Record().reAskSecondsLast, 0);
    EXPECT_EQ(Record().probeSecondsLast, kNow);
}

TEST_F(AutoUpdateTest, ADroppedDownloadIsResumedAtTheNextProbe) {
    Resource dropped;
    dropped.file = dir / "site/setup-4.bin";
    dropped.dropAfter = 20000;
    // A download resumes only a file the server names by its time.
    dropped.lastModified = "Wed, 09 Dec 2026 10:00:00 GMT";
    server.Set("/site/setup-4.bin", dropped);
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(false));
    EXPECT_TRUE(ProductRuns()) << "no shutdown before the package is here";
    EXPECT_EQ(Record().stamp, "old");
    EXPECT_EQ(Record().reAskSecondsLast, 0);

    Resource whole;
    whole.file = dir / "site/setup-4.bin";
    whole.lastModified = dropped.lastModified;
    server.Set("/site/setup-4.bin", whole);
    server.ClearRequests();
    ui.boxes.shown.clear();
    EXPECT_TRUE(Agent().PerformShot(false));
    EXPECT_EQ(Record().versionOriginal, 4);
    bool resumed = false;
    for (const auto& request : server.Requests())
        resumed |= request.path == "/site/setup-4.bin" && request.range == "bytes=20000-";
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(WaitFor([&] { return ProductPids().size() == 2; }));
}

TEST_F(AutoUpdateTest, HostileNamesAndBasesFetchNothing) {
    const std::string site = dir / "site";
    struct Case {
        const char* what;
        std::string overrides;
    } cases[] = {
        {"a path as name", "NameOfUpdateFile=../../.bashrc\n"},
        {"the record as name", "NameOfUpdateFile=kelp.original\n"},
        {"the agent as name", "NameOfUpdateFile=kelp-agent\n"},
        {"a file:// base", "DownloadURL_UPDATE=file://" + site + "\n"},
        {"a local base in a description from the site", "DownloadURL_UPDATE=" + site + "\n"},
    };
    StartProduct();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Describe("Using WM_QUIT", c.overrides);
        notified.clear();
        EXPECT_FALSE(Agent().PerformShot(false));
        EXPECT_EQ(notified, (std::vector<std::pair<int, int>>{{40, 1}, {40, 2}}));
        EXPECT_TRUE(ProductRuns());
        for (const auto& request : server.Requests())
            EXPECT_EQ(request.path, "/info/kelp.ini") << request.method;
        server.ClearRequests();
    }
    EXPECT_EQ(Record().versionOriginal, 3);
    EXPECT_FALSE(fs::exists(dir / ".bashrc"));
    std::vector<std::string> agentFiles;
    for (const auto& entry : fs::directory_iterator(dir / "agent"))
        agentFiles.push_back(entry.path().filename().string());
    std::sort(agentFiles.begin(), agentFiles.end());
    EXPECT_EQ(agentFiles, (std::vector<std::string>{"X_kelp-agent", "kelp.ini", "kelp.original"}));
}

TEST_F(AutoUpdateTest, AStopWhileWaitingForTheProductInstallsNothing) {
    Describe("Issue a Message Box");
    StartProduct();
    int asked = 0;
    ui.boxes.beforeAnswer = [&asked] {
        ++asked;
    };
    ui.boxes.answers = {false};
    EXPECT_FALSE(Agent([&asked] { return asked > 0; }).PerformShot(false));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(ProductRuns());
    EXPECT_FALSE(fs::exists(dir / "engine-record"));
    EXPECT_EQ(Record().versionOriginal, 3);
    EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin"));
}

TEST_F(AutoUpdateTest, AUserWhoDeclinesTheDownloadIsAskedAgainOnlyLater) {
    overrides.Set(stub::TransientOverrides::ConfirmDownload, 1);
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(false));
    ASSERT_EQ(ui.boxes.shown.size(), 1u);
    EXPECT_EQ(ui.boxes.shown[0].kind, "yesno");
    EXPECT_TRUE(ProductRuns());
    for (const auto& request : server.Requests())
        EXPECT_TRUE(request.path == "/info/kelp.ini" || request.method == "HEAD")
            << "the package is not fetched";
    EXPECT_EQ(Record().versionOriginal, 3);
    EXPECT_EQ(Record().stamp, "new");
    EXPECT_EQ(Record().reAskSecondsLast, kNow);
    ui.boxes.shown.clear();
    EXPECT_FALSE(Agent().PerformShot(false));
    EXPECT_TRUE(ui.boxes.shown.empty()) << "the same stamp is too early";
}

// An announcement of version 4 whose inform file carries the given token and message.
std::string Announce(TestHttpServer& server, const std::string& site, const std::string& token) {
    Resource inform;
    inform.body = "|" + token + "|x|y|z|Version 4 is out.\nSee the site.";
    server.Set("/site/news.txt", inform);
    Resource description;
    description.body = "[General]\nAutoInform=1\n[AutoInform]\nNameOfInformFile=news.txt\n"
                       "SizeOfInformFile=" +
                       std::to_string(inform.body.size()) +
                       "\nDownloadURL_INFORM=https://updates.example.com/kelp\nAutoInformH=300\n"
                       "[NewSetup]\nDownloadURL_UPDATE=" +
                       site +
                       "\nNameOfUpdateFile=setup-4.bin\nSizeOfUpdateFile=0\n"
                       "ShutDownMethod=Using WM_QUIT\nRunningProcess=<InstallDir>/kelp-product\n"
                       "VersionNew=4\nStamp=new\n";
    server.Set("/info/kelp.ini", description);
    return description.body;
}

TEST_F(AutoUpdateTest, AnAcceptedAnnouncementIsShownRecordedAndInstallsNothing) {
    Announce(server, server.Url("/site"), own.Setting(stub::SettingsItem::SecretToken));
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(false)) << "an announcement never restarts the agent";
    ASSERT_EQ(ui.informs.size(), 1u);
    EXPECT_EQ(ui.informs[0].caption, "New Version");
    EXPECT_EQ(ui.informs[0].button, "Download");
    EXPECT_EQ(ui.informs[0].address, "https://updates.example.com/kelp");
    EXPECT_EQ(ui.informs[0].message, "Version 4 is out.\nSee the site.");
    EXPECT_EQ(ui.informs[0].width, 360);
    EXPECT_EQ(ui.informs[0].height, 300);
    EXPECT_TRUE(ui.boxes.shown.empty());
    EXPECT_TRUE(ProductRuns());
    EXPECT_FALSE(fs::exists(dir / "engine-record"));
    EXPECT_EQ(Record().versionOriginal, 4);
    EXPECT_EQ(Record().stamp, "new");
    EXPECT_EQ(notified, (std::vector<std::pair<int, int>>{{40, 1}, {40, 2}, {41, 1}, {41, 2}}));
    for (const auto& request : server.Requests())
        EXPECT_NE(request.path, "/site/setup-4.bin") << "the package is not fetched";
}

TEST_F(AutoUpdateTest, ADeclinedAnnouncementKeepsTheInstalledVersion) {
    Announce(server, server.Url("/site"), own.Setting(stub::SettingsItem::SecretToken));
    ui.acceptInform = false;
    EXPECT_FALSE(Agent().PerformShot(false));
    EXPECT_EQ(ui.informs.size(), 1u);
    EXPECT_EQ(Record().versionOriginal, 3);
    EXPECT_EQ(Record().stamp, "new") << "asked again only later";
}

TEST_F(AutoUpdateTest, AnInformFileWithAnotherTokenIsRefusedAndOfferedAgain) {
    Announce(server, server.Url("/site"), "qwertyuiop");
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(false));
    EXPECT_TRUE(ui.informs.empty());
    ASSERT_EQ(ui.boxes.shown.size(), 1u);
    EXPECT_EQ(ui.boxes.shown[0].kind, "error");
    EXPECT_EQ(ui.boxes.shown[0].text, "Bad Secret Token!");
    EXPECT_TRUE(ProductRuns());
    EXPECT_FALSE(fs::exists(dir / "engine-record"));
    EXPECT_EQ(Record().versionOriginal, 3);
    EXPECT_EQ(Record().stamp, "old");
    EXPECT_FALSE(fs::exists(dir / "agent/news.txt"));
}

TEST_F(SignedUpdateTest, AReleaseSignedByThePublisherInstalls) {
    Sign(publisher, "setup-4.bin", "timestamp:1 file:setup-4.bin version:4", "/site/setup-4.bin");
    SignDescription();
    StartProduct();
    ASSERT_TRUE(Agent().PerformShot(false));
    EXPECT_EQ(Record().versionOriginal, 4);
    EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin.minisig"));
    EXPECT_TRUE(ui.boxes.shown.empty());
}

TEST_F(SignedUpdateTest, AReleaseSignedWithMinisignInstalls) {
    const std::string minisign = "/usr/bin/minisign";
    if (!fs::exists(minisign))
        GTEST_SKIP() << "minisign is not installed";
    RunTool({minisign, "-G", "-W", "-p", dir / "minisign.pub", "-s", dir / "minisign.key"});
    MakeAgent({"--update-key", dir / "minisign.pub"});
    WriteFile(dir / "site/kelp.ini", descriptionText);
    for (const auto& [name, comment, address] :
         {std::tuple{"kelp.ini", "file:kelp.ini", "/info/kelp.ini"},
          std::tuple{"setup-4.bin", "timestamp:1\tfile:setup-4.bin\tversion:4",
                     "/site/setup-4.bin"}}) {
        const std::string file = dir / ("site/" + std::string(name));
        RunTool({minisign, "-S", "-s", dir / "minisign.key", "-m", file, "-t", comment});
        Resource signature;
        signature.body = ReadFile(file + ".minisig");
        server.Set(address + std::string(".minisig"), signature);
    }
    StartProduct();
    ASSERT_TRUE(Agent().PerformShot(false))
        << (ui.boxes.shown.empty() ? "" : ui.boxes.shown[0].text);
    EXPECT_EQ(Record().versionOriginal, 4);
}

TEST_F(SignedUpdateTest, PackagesWithoutAFittingSignatureAreRefusedBeforeAnythingStops) {
    const stub::SecretKey stranger = stub::GenerateKey();
    struct Case {
        const char* what;
        const stub::SecretKey* key; // none: no signature served
        const char* comment;
        bool changedAfterSigning;
        const char* error;
    };
    const Case cases[] = {
        {"unsigned", nullptr, "", false, "Missing signature for setup-4.bin: "},
        {"another key", &stranger, "file:setup-4.bin version:4", false,
         "Signature refused for setup-4.bin: "},
        {"changed after signing", &publisher, "file:setup-4.bin version:4", true,
         "Signature refused for setup-4.bin: "},
        {"an older release", &publisher, "file:setup-4.bin version:3", false,
         "Signature refused for setup-4.bin: it is not for version 4"},
        {"another file", &publisher, "file:setup-3.bin version:4", false,
         "Signature refused for setup-4.bin: it is not for this file"},
    };
    StartProduct();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Pack("secret-1");
        Resource missing;
        missing.status = 404;
        server.Set("/site/setup-4.bin.minisig", missing);
        if (c.key)
            Sign(*c.key, "setup-4.bin", c.comment, "/site/setup-4.bin");
        if (c.changedAfterSigning) {
            std::ofstream out(dir / "site/setup-4.bin", std::ios::binary | std::ios::app);
            out << "tail";
        }
        Describe("Using WM_QUIT");
        SignDescription();
        ui.boxes.shown.clear();
        EXPECT_FALSE(Agent().PerformShot(false));
        ASSERT_EQ(ui.boxes.shown.size(), 1u);
        EXPECT_EQ(ui.boxes.shown[0].kind, "error");
        EXPECT_EQ(ui.boxes.shown[0].text.rfind(c.error, 0), 0u) << ui.boxes.shown[0].text;
        ExpectNothingInstalled();
    }
}

TEST_F(SignedUpdateTest, AnUnsignedOrForeignDescriptionIsNotActedOn) {
    Sign(publisher, "setup-4.bin", "file:setup-4.bin version:4", "/site/setup-4.bin");
    StartProduct();
    const stub::SecretKey stranger = stub::GenerateKey();
    for (const bool signedByStranger : {false, true}) {
        if (signedByStranger) {
            WriteFile(dir / "site/kelp.ini", descriptionText);
            Sign(stranger, "kelp.ini", "file:kelp.ini", "/info/kelp.ini");
        }
        server.ClearRequests();
        EXPECT_FALSE(Agent().PerformShot(false));
        for (const auto& request : server.Requests())
            EXPECT_EQ(request.path.rfind("/info/", 0), 0u) << request.path;
        EXPECT_FALSE(fs::exists(dir / "agent/kelp.ini"));
        ExpectNothingInstalled();
    }
}

TEST_F(SignedUpdateTest, AnInformFileNeedsItsSignature) {
    descriptionText =
        Announce(server, server.Url("/site"), own.Setting(stub::SettingsItem::SecretToken));
    SignDescription();
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(false));
    EXPECT_TRUE(ui.informs.empty());
    ASSERT_EQ(ui.boxes.shown.size(), 1u);
    EXPECT_EQ(ui.boxes.shown[0].text.rfind("Missing signature for news.txt: ", 0), 0u);
    EXPECT_FALSE(fs::exists(dir / "agent/news.txt"));
}

TEST_F(AutoUpdateTest, RequireHttpsFetchesNothingOverPlainHttp) {
    MakeAgent({"--require-https"});
    StartProduct();
    EXPECT_FALSE(Agent().PerformShot(true));
    EXPECT_TRUE(server.Requests().empty());
    ASSERT_EQ(ui.boxes.shown.size(), 1u);
    EXPECT_EQ(ui.boxes.shown[0].kind, "error");
    EXPECT_EQ(ui.boxes.shown[0].text.rfind("Refused: only https downloads are allowed: ", 0), 0u);
    EXPECT_NE(ui.boxes.shown[0].text.find(server.Url("/info/kelp.ini")), std::string::npos);
    EXPECT_TRUE(ProductRuns());
    EXPECT_FALSE(fs::exists(dir / "engine-record"));
    EXPECT_EQ(Record().versionOriginal, 3);

    // A description from a local folder is no download; the plain http package it announces is
    // not even asked for its size.
    fs::create_directories(dir / "local");
    WriteFile(dir / "local/kelp.ini", descriptionText);
    MakeAgent({"--require-https", "--update-url", dir / "local"});
    ui.boxes.shown.clear();
    EXPECT_FALSE(Agent().PerformShot(true));
    EXPECT_TRUE(server.Requests().empty());
    ASSERT_EQ(ui.boxes.shown.size(), 1u);
    EXPECT_EQ(ui.boxes.shown[0].text, "Download file size error");
    EXPECT_TRUE(ProductRuns());
    EXPECT_FALSE(fs::exists(dir / "engine-record"));
}
