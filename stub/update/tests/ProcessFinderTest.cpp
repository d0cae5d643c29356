#include "update/ProcessFinder.h"
#include "update/Shutdown.h"
#include "update/tests/ChildProcess.h"

#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Copies of a long sleeping program under a name of the test's own.
class ProcessFinderTest : public ::testing::Test {
protected:
    ProcessFinderTest() {
        fs::copy_file("/bin/sleep", product);
        fs::permissions(product, fs::perms::owner_all);
        fs::create_directory_symlink(dir.path, dir / "link");
    }

    ChildProcess& Start() {
        children.push_back(
            std::make_unique<ChildProcess>(product, std::vector<std::string>{"600"}));
        // The child runs the product once its executable link names it.
        for (;;) {
            auto entry = ReadOwnProcess(children.back()->Pid());
            if (entry && entry->exePath == product)
                break;
        }
        return *children.back();
    }

    ScratchFolder dir;
    // Named after the scratch folder, so that test runs side by side never see each other's.
    std::string name = "Kelp-" + fs::path(dir.path).filename().string();
    std::string product = dir / name;
    std::vector<std::unique_ptr<ChildProcess>> children;
};

TEST_F(ProcessFinderTest, FindsTheProductByPathNameOrCanonicalPath) {
    pid_t pid = Start().Pid();
    struct Case {
        std::string path;
        bool anyName;
        pid_t found;
    } cases[] = {
        {product, false, pid},
        {"\"" + product + "\"", false, pid},
        {name, false, pid},
        {Upper(name), false, pid},
        {name, true, 0},
        {dir / ("link/" + name), true, pid},
        {dir / ("./" + name), true, pid},
        {dir / "Other", false, 0},
        {"", false, 0},
        {"\"\"", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FindProcess(c.path, c.anyName), c.found);
    }
    EXPECT_TRUE(IsProcessRunning(product));
}

TEST_F(ProcessFinderTest, OfTwoCopiesTheHigherIdWins) {
    pid_t first = Start().Pid();
    pid_t second = Start().Pid();
    EXPECT_EQ(FindProcess(product), std::max(first, second));
}

TEST_F(ProcessFinderTest, EndedProcessIsNotRunningBeforeItIsReaped) {
    ChildProcess& child = Start();
    auto identity = FindProcessIdentity(product, false);
    ASSERT_TRUE(identity);
    EXPECT_TRUE(IsAlive(*identity));
    // The same id with another start time is another process.
    EXPECT_FALSE(IsAlive({identity->pid, identity->startTime + 1}));
    ::kill(child.Pid(), SIGKILL);
    while (IsAlive(*identity)) {
    }
    EXPECT_FALSE(IsProcessRunning(product));
}

struct FakeClock {
    std::int64_t now = 0;
    int waits = 0;
    std::function<void()> onWait;
    WaitHooks Hooks() {
        return {[this](int ms) {
                    now += ms;
                    ++waits;
                    if (onWait)
                        onWait();
                },
                [this] { return now; },
                {}};
    }
};

TEST_F(ProcessFinderTest, WaitWithoutTimeOutLastsUntilTheEnd) {
    ChildProcess& child = Start();
    FakeClock clock;
    clock.onWait = [&] {
        if (clock.waits == 30) {
            ::kill(child.Pid(), SIGKILL);
            child.Reap();
        }
    };
    EXPECT_TRUE(WaitForProcessEnd(product, 0, clock.Hooks()));
    EXPECT_EQ(clock.waits, 30);
}

TEST_F(ProcessFinderTest, WaitEndsOnAStopRequestWithTheProductStillRunning) {
    ChildProcess& child = Start();
    FakeClock clock;
    WaitHooks hooks = clock.Hooks();
    hooks.stop = [&clock] {
        return clock.waits >= 4;
    };
    EXPECT_FALSE(WaitForProcessEnd(product, 0, hooks));
    EXPECT_EQ(clock.waits, 4);
    EXPECT_NE(::waitpid(child.Pid(), nullptr, WNOHANG), child.Pid());
}

TEST_F(ProcessFinderTest, WaitEndsAtTheTimeOut) {
    ChildProcess& child = Start();
    FakeClock clock;
    EXPECT_FALSE(WaitForProcessEnd(product, 5000, clock.Hooks()));
    EXPECT_EQ(clock.now, 5000);
    EXPECT_NE(::waitpid(child.Pid(), nullptr, WNOHANG), child.Pid());
}

TEST_F(ProcessFinderTest, WaitForAProductThatDoesNotRunIsOneSecond) {
    FakeClock clock;
    EXPECT_TRUE(WaitForProcessEnd(product, 0, clock.Hooks()));
    EXPECT_EQ(clock.waits, 1);
}

TEST_F(ProcessFinderTest, ShutdownSignalsOwnChild) {
    const char* saved = std::getenv("DISPLAY");
    std::string display = saved ? saved : "";
    ::unsetenv("DISPLAY");
    struct Case {
        const char* method;
        std::function<bool()> shutDown;
        int signal;
    } cases[] = {
        {"close without a display", [this] { return CloseProcess(product); }, SIGTERM},
        {"quit", [this] { return QuitProcess(product); }, SIGTERM},
        {"terminate", [this] { return TerminateProcess(product); }, SIGKILL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        ChildProcess& child = Start();
        EXPECT_TRUE(c.shutDown());
        int status = child.Reap();
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), c.signal);
        EXPECT_FALSE(c.shutDown()) << "nothing left to signal";
    }
    if (!display.empty())
        ::setenv("DISPLAY", display.c_str(), 1);
}

TEST_F(ProcessFinderTest, APathElsewhereWithTheSameNameSignalsNothing) {
    ChildProcess& child = Start();
    const std::string elsewhere = "/nowhere/" + fs::path(product).filename().string();
    EXPECT_FALSE(TerminateProcess(elsewhere));
    EXPECT_FALSE(QuitProcess(elsewhere));
    EXPECT_EQ(::waitpid(child.Pid(), nullptr, WNOHANG), 0) << "still running";
    EXPECT_TRUE(TerminateProcess(fs::path(product).filename().string()));
    EXPECT_TRUE(WIFSIGNALED(child.Reap()));
}

TEST_F(ProcessFinderTest, ProcessOfAnotherUserIsNeitherFoundNorSignalled) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "starting a process as another user needs root";
    for (const std::string& path : {dir.path, product})
        fs::permissions(path, fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add);
    pid_t other = ::fork();
    if (other == 0) {
        if (::setgid(65534) == 0 && ::setuid(65534) == 0)
            ::execl(product.c_str(), product.c_str(), "600", nullptr);
        ::_exit(127);
    }
    ASSERT_GT(other, 0);
    std::string exe = "/proc/" + std::to_string(other) + "/exe";
    std::error_code error;
    while (fs::read_symlink(exe, error) != product)
        ASSERT_EQ(::waitpid(other, nullptr, WNOHANG), 0) << "the other user's process ended";
    EXPECT_EQ(FindProcess(product), 0);
    EXPECT_FALSE(TerminateProcess(product));
    EXPECT_EQ(::waitpid(other, nullptr, WNOHANG), 0) << "still running";
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
}

} // namespace
