#include "platform/Atoms.h"
#include "platform/Endpoints.h"
#include "platform/ProcessLog.h"
#include "platform/Programs.h"
#include "platform/RuntimeFolder.h"
#include "testsupport/CraftedPackage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

namespace {

// A private runtime folder for one test.
struct Runtime {
    ScratchFolder dir;
    std::string path = dir / "run/kelpset/";
    Runtime() {
        setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        fs::create_directories(dir / "run");
    }
    ~Runtime() { unsetenv("XDG_RUNTIME_DIR"); }
};

// Runs the event loop until the future is ready, so that endpoints in this thread answer.
template <typename T> T Serve(std::future<T>& result) {
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

} // namespace

TEST(RuntimeFolder, MadePrivateAndCheckedBeforeUse) {
    Runtime runtime;
    std::string fault;
    auto folder = RuntimeFolder(&fault);
    ASSERT_TRUE(folder) << fault;
    EXPECT_EQ(*folder, runtime.path);
    struct stat st {};
    ASSERT_EQ(lstat(folder->c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(RuntimeFolder(), folder);

    struct Case {
        std::string name;
        std::function<void(const std::string&)> plant;
        uid_t owner;
        std::string fault;
    };
    const std::vector<Case> cases = {
        {"another owner",
         [](const std::string& p) { fs::create_directories(p), chmod(p.c_str(), 0700); },
         getuid() + 1, "belongs to another user"},
        {"open to others",
         [](const std::string& p) { fs::create_directories(p), chmod(p.c_str(), 0755); }, getuid(),
         "open to other users"},
        {"a link", [&](const std::string& p) { fs::create_directory_symlink(runtime.path, p); },
         getuid(), "is a link"},
        {"a file", [](const std::string& p) { WriteFile(p, "x"); }, getuid(), "is not a folder"},
    };
    for (const auto& c : cases) {
        const std::string path = runtime.dir / ("planted-" + std::to_string(&c - cases.data()));
        c.plant(path);
        EXPECT_NE(RuntimeFolderFault(path + "/", c.owner).find(c.fault), std::string::npos)
            << c.name;
    }
}

TEST(RuntimeFolder, APlantedLinkMakesAtomsUnavailable) {
    Runtime runtime;
    fs::create_directories(runtime.dir / "elsewhere");
    chmod((runtime.dir / "elsewhere").c_str(), 0700);
    fs::create_directory_symlink(runtime.dir / "elsewhere", runtime.dir / "run/kelpset");
    std::string fault;
    EXPECT_FALSE(RuntimeFolder(&fault));
    EXPECT_NE(fault.find("is a link"), std::string::npos) << fault;
}

TEST(Atoms, AddLookUpDelete) {
    Runtime runtime;
    const std::string folder = *RuntimeFolder();
    const std::string name = "AutoUpdateAtomTokenByKelpset_42";
    EXPECT_FALSE(AtomExists(folder, name));
    ASSERT_TRUE(AddAtom(folder, name));
    EXPECT_TRUE(fs::exists(folder + "atoms/" + name));
    EXPECT_TRUE(AtomExists(folder, name));
    EXPECT_TRUE(DeleteAtom(folder, name));
    EXPECT_FALSE(AtomExists(folder, name));
    EXPECT_FALSE(DeleteAtom(folder, name));
    // A name that is not a plain file name never reaches outside the atoms folder.
    ASSERT_TRUE(AddAtom(folder, "../../escape"));
    EXPECT_TRUE(AtomExists(folder, "../../escape"));
    EXPECT_FALSE(fs::exists(runtime.dir / "escape"));
    EXPECT_EQ(fs::path(AtomPath(folder, "../../escape")).parent_path(), folder + "atoms");
}

TEST(Endpoints, ExistPostSendAndOneOwnerPerClass) {
    Runtime runtime;
    const std::string folder = *RuntimeFolder();
    const std::string className = "/a/very/long/path/" + std::string(200, 'x') + "/setup.exe";
    EXPECT_FALSE(EndpointExists(folder, className));

    std::vector<EndpointMessage> received;
    Endpoint window(folder, className, [&](const EndpointMessage& m) {
        received.push_back(m);
        return m.wParam * 1000 + m.lParam;
    });
    ASSERT_TRUE(window.Listen());
    EXPECT_TRUE(EndpointExists(folder, className));
    Endpoint second(folder, className);
    EXPECT_FALSE(second.Listen());

    auto sent = std::async(std::launch::async, [&] {
        return SendEndpointMessage(folder, className, 1125, 31, 5, 10000);
    });
    EXPECT_EQ(Serve(sent), std::optional<std::int64_t>(31005));
    auto posted = std::async(std::launch::async,
                             [&] { return PostEndpointMessage(folder, className, 1123, 2, 0); });
    EXPECT_TRUE(Serve(posted));
    QElapsedTimer timer;
    timer.start();
    while (received.size() < 2 && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, 1125u);
    EXPECT_EQ(received[1].message, 1123u);
    EXPECT_EQ(received[1].wParam, 2);
    EXPECT_EQ(received[0].peer, getpid());
}

TEST(Endpoints, ASocketLeftByACrashIsReplaced) {
    Runtime runtime;
    const std::string folder = *RuntimeFolder();
    // A crash leaves a file where nobody listens.
    WriteFile(EndpointPath(folder, ".SDialog_Class_Name._7"), "");
    EXPECT_FALSE(EndpointExists(folder, ".SDialog_Class_Name._7"));
    Endpoint fresh(folder, ".SDialog_Class_Name._7");
    EXPECT_TRUE(fresh.Listen());
    EXPECT_TRUE(EndpointExists(folder, ".SDialog_Class_Name._7"));
    EXPECT_FALSE(PostEndpointMessage(folder, "no such class", 1, 0, 0));
    EXPECT_FALSE(SendEndpointMessage(folder, "no such class", 1, 0, 0, 100));
}

TEST(Programs, ExitCodesSignalsAndDetached) {
    const auto noWait = [](int) {
    };
    struct Case {
        std::string script;
        int code;
    };
    for (const Case& c : std::vector<Case>{{"exit 7", 7}, {"exit 0", 0}, {"kill -9 $$", 137}}) {
        pid_t child = StartProgram({"/bin/sh", "-c", c.script});
        ASSERT_GT(child, 0);
        EXPECT_EQ(WaitForProgram(child, noWait, 10), c.code) << c.script;
    }
    std::string error;
    EXPECT_EQ(StartProgram({"/no/such/program"}, &error), -1);
    EXPECT_NE(error.find("/no/such/program"), std::string::npos);

    ASSERT_TRUE(StartDetached({"/bin/true"}));
    // Nothing is left to wait for: the program belongs to init, not to us.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_FALSE(StartDetached({"/no/such/program"}, &error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

TEST(ProcessLog, LinesReachADebugViewerThroughAtoms) {
    Runtime runtime;
    const std::string folder = *RuntimeFolder();
    std::vector<std::string> received;
    Endpoint viewer(folder, ".KDebug.", [&](const EndpointMessage& m) {
        if (m.message == RegisteredMessage(".K_DebugMsg.") && m.wParam == 2)
            received.push_back(AtomText(folder, "K_DebugMsg_" + std::to_string(m.peer) + "_" +
                                                    std::to_string(m.lParam)));
        return std::int64_t{0};
    });
    ASSERT_TRUE(viewer.Listen());
    SendProcessLogToViewer(folder);
    auto logged = std::async(std::launch::async, [] {
        ProcessLog("first line");
        ProcessLog(std::string(15000, 'x'));
        return true;
    });
    EXPECT_TRUE(Serve(logged));
    SendProcessLogToViewer("");
    ProcessLog("not sent");
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], "first line\n");
    EXPECT_EQ(received[1], std::string(10241, 'x'));
    EXPECT_EQ(received[2], std::string(15000 - 10241, 'x') + "\n");
    EXPECT_TRUE(fs::is_empty(folder + "atoms"));
    EXPECT_GE(RegisteredMessage(".K_DebugMsg."), 0xC000u);
}
