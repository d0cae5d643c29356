// The update agent as real processes: the plain agent makes and starts its working copy and
// relays its commands to it; the working copy runs the update cycle and tells a registered peer.
#include "app/EventWait.h"
#include "app/WorkingAgent.h"
#include "platform/Endpoints.h"
#include "platform/Programs.h"
#include "platform/RuntimeFolder.h"
#include "update/VersionRecord.h"

#include "app/tests/UpdateScene.h"
#include "testsupport/CraftedPackage.h"

#include <QElapsedTimer>

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace stubtest;
namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kPeerWindow = 4711;
constexpr std::int64_t kPeerMessage = 2000;
const std::string kWorkingClass = ".AutoUpdate.X_kelp-agent";

int RunToEnd(const std::vector<std::string>& args) {
    std::string error;
    const pid_t child = stub::StartProgram(args, &error);
    EXPECT_GT(child, 0) << error;
    return child > 0 ? stub::WaitForProgram(child, stub::PumpFor, 20) : -1;
}

// An installed product with its plain agent beside it, a site on 127.0.0.1 offering version 4,
// an engine that records its command line and acknowledges, and a peer listening for the agent.
class AgentRolesTest : public ::testing::Test, protected UpdateScene {
protected:
    void SetUp() override {
        SetUpScene();
        // The agents run on the console: no questions, no windows.
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        ASSERT_EQ(RunToEnd({STUBPACK_PATH, "create", "--stub", STUB_PATH, "-o", plain, "--store",
                            "--agent", "--agent-name", "kelp-agent", "--info-file", "kelp.ini",
                            "--update-url", server.Url("/info"), "--token", "secret-1",
                            "--debug-log", dir / "empty"}),
                  0);
        ASSERT_EQ(RunToEnd(SetupPackage("secret-1")), 0);
        ServeSetupPackage();
        // Only a requested probe runs: the interval never probes by itself.
        WriteRecord(-1);
        Describe("Using WM_QUIT");
        runtime = stub::RuntimeFolder().value_or("");
        ASSERT_FALSE(runtime.empty());
        peer = std::make_unique<stub::Endpoint>(runtime, stub::AgentPeerClass(kPeerWindow),
                                                [this](const stub::EndpointMessage& m) {
                                                    if (m.message == kPeerMessage)
                                                        heard.push_back({m.wParam, m.lParam});
                                                    return std::int64_t{0};
                                                });
        ASSERT_TRUE(peer->Listen());
    }

    void TearDown() override {
        if (const pid_t working = WorkingPid(); working > 0 && !Heard(43))
            kill(working, SIGKILL);
        TearDownScene();
    }

    // Events go on while waiting, so that the peer hears the agent; at most two minutes.
    static bool WaitFor(const std::function<bool()>& condition) {
        QElapsedTimer waited;
        waited.start();
        while (!condition() && waited.elapsed() < 120000)
            stub::PumpFor(20);
        return condition();
    }

    bool Heard(std::int64_t code) const {
        return std::any_of(heard.begin(), heard.end(),
                           [code](const auto& h) { return h.first == code; });
    }

    pid_t WorkingPid() const {
        for (const auto& h : heard)
            if (h.first == 50)
                return static_cast<pid_t>(h.second);
        return 0;
    }

    std::vector<std::pair<std::int64_t, std::int64_t>> Codes() const {
        auto codes = heard;
        for (auto& h : codes)
            if (h.first == 50)
                h.second = 0; // the working agent's process id
        return codes;
    }

    std::string plain = dir / "agent/kelp-agent";
    std::string working = dir / "agent/X_kelp-agent";
    std::string runtime;
    std::unique_ptr<stub::Endpoint> peer;
    std::vector<std::pair<std::int64_t, std::int64_t>> heard;
};

TEST_F(AgentRolesTest, ARelayedTestProbesDownloadsStopsInstallsAndRestartsTheProduct) {
    const pid_t first = stub::StartProgram({product});
    ASSERT_TRUE(WaitFor([&] { return ProductPids().size() == 1; }));

    EXPECT_EQ(RunToEnd({plain, "/WM_MSG=4711:2000", "/TEST=1"}), 0);
    ASSERT_TRUE(WaitFor([&] { return Heard(43); })) << "the working agent did not end";

    const std::vector<std::pair<std::int64_t, std::int64_t>> expected = {
        {50, 0}, {51, 1125}, {40, 1}, {40, 2}, {41, 1}, {41, 2}, {42, 1}, {42, 2}, {43, 0}};
    EXPECT_EQ(Codes(), expected);
    EXPECT_GT(WorkingPid(), 0);
    int status = 0;
    EXPECT_EQ(waitpid(first, &status, 0), first);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "stopped by WM_QUIT";
    const auto args = EngineArgs();
    EXPECT_NE(std::find(args.begin(), args.end(), "/AutoUpdateProg"), args.end());
    EXPECT_NE(std::find(args.begin(), args.end(), "/OriginalInfoFile=" + dir / "agent/kelp.ini"),
              args.end());
    EXPECT_EQ(stub::VersionRecord::Load(record)->versionOriginal, 4);
    EXPECT_FALSE(fs::exists(dir / "agent/setup-4.bin"));
    EXPECT_TRUE(WaitFor([&] { return ProductPids().size() == 2; })) << "restarted";
    EXPECT_TRUE(WaitFor([&] { return !fs::exists(working); })) << "the working copy removes itself";
    EXPECT_TRUE(fs::exists(plain));

    // Every line: date, time, thread id in five places, the role's prefix, the text, CR LF.
    const std::string log = ReadFile(dir / "agent/X_kelp-agent.log");
    const std::regex form(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [ \d]{4}\d(   | X ).*\r)");
    std::istringstream lines(log);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_TRUE(std::regex_match(line, form)) << line;
    EXPECT_GT(count, 10);
    for (const std::string& text :
         {"   === START === " + plain,
          "   PostProcessMessage(wm_AgentMsg) to: " + working + " - AU_PerformUpdateCycle (1)",
          " X === START === " + working, std::string(" X GetOkToPerformAU = 6 - OK"),
          " X === EXIT === " + working})
        EXPECT_NE(log.find(text + "\r\n"), std::string::npos) << text;
}

TEST_F(AgentRolesTest, AnIdleWorkingAgentAnswersCommandsAndEndsOnAClose) {
    EXPECT_EQ(RunToEnd({plain, "/WM_MSG=4711:2000"}), 0);
    ASSERT_TRUE(WaitFor([&] { return WorkingPid() > 0; }));
    const pid_t agent = WorkingPid();
    auto send = [&](std::int64_t command, std::int64_t value) {
        return stub::SendEndpointMessage(runtime, kWorkingClass, 1125, command, value).value_or(-9);
    };
    const struct {
        const char* what;
        std::int64_t command, value, reply;
    } cases[] = {
        {"installed version", 8, 0, 3},
        {"probe interval", 4, 0, -1},
        {"set the re-ask interval", 14, 600, 1},
        {"re-ask interval", 6, 0, 600},
        {"idle", 10, 0, 0},
        {"no stop countdown", 11, 0, -1},
        {"an override out of range", 20, 256, 0},
        {"an unknown command", 99, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(send(c.command, c.value), c.reply) << c.what;
    EXPECT_EQ(stub::VersionRecord::Load(record)->reAskSecondsInterval, 600);

    // A new plain agent forced to make a fresh copy: the copy finds the class taken and ends,
    // and the old agent, ending later, leaves the fresh file alone.
    struct stat before {};
    struct stat after {};
    ASSERT_EQ(stat(working.c_str(), &before), 0);
    EXPECT_EQ(RunToEnd({plain, "/_ZZ=99"}), 0);
    ASSERT_EQ(stat(working.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "renamed into place, not written over";
    EXPECT_EQ(send(8, 0), 3) << "the first agent still answers";

    ASSERT_EQ(kill(agent, SIGTERM), 0);
    ASSERT_TRUE(WaitFor([&] { return Heard(43); }));
    EXPECT_TRUE(WaitFor([&] { return !stub::EndpointExists(runtime, kWorkingClass); }));
    EXPECT_TRUE(fs::exists(working)) << "a replaced file is not the ending agent's own";
}

} // namespace

TEST_F(AgentRolesTest, AfterAnUpdateTheWorkingAgentHandsOverToAFreshCopy) {
    const std::string overrides = "|255|255|255|255|0|255|";
    EXPECT_EQ(RunToEnd({plain, "/WM_MSG=4711:2000", "/TEST=0", "/TRANSIENT=" + overrides}), 0);
    ASSERT_TRUE(WaitFor([&] { return Heard(43); }));
    const pid_t first = WorkingPid();
    EXPECT_EQ(stub::VersionRecord::Load(record)->versionOriginal, 4);
    const std::string log = ReadFile(dir / "agent/X_kelp-agent.log");
    EXPECT_NE(log.find(" X .. WinExec - " + plain + " /_ZZ=99 /WAIT=10 /TRANSIENT=" + overrides),
              std::string::npos)
        << log;

    // The restarted plain agent waits ten seconds, then puts a fresh working copy in place.
    ASSERT_TRUE(WaitFor([&] { return !stub::EndpointExists(runtime, kWorkingClass); }))
        << "the old agent ended";
    ASSERT_TRUE(WaitFor([&] { return stub::EndpointExists(runtime, kWorkingClass); }));
    heard.clear();
    EXPECT_EQ(RunToEnd({plain, "/WM_MSG=4711:2000"}), 0);
    ASSERT_TRUE(WaitFor([&] { return WorkingPid() > 0; }));
    EXPECT_NE(WorkingPid(), first);
    EXPECT_TRUE(fs::exists(working));
    ASSERT_EQ(kill(WorkingPid(), SIGTERM), 0);
    ASSERT_TRUE(WaitFor([&] { return Heard(43); }));
}
