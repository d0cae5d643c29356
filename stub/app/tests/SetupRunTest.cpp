#include "testsupport/CraftedPackage.h"
#include "update/tests/TestHttpServer.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace stubtest;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// The stub run as a user would, without a display or a terminal, with its runtime and temporary
// folders in the test's scratch folder; the test engine is steered through the environment.
class SetupRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir / "in/docs");
        fs::copy_file(TEST_ENGINE_PATH, dir / "in/engine");
        WriteFile(dir / "in/docs/readme.txt", std::string(30000, 'r'));
        fs::create_directories(dir / "my cd");
        fs::create_directories(dir / "run");
        chmod((dir / "run").c_str(), 0700);
        fs::create_directories(dir / "tmp");
        env = {"XDG_RUNTIME_DIR=" + dir / "run", "TMPDIR=" + dir / "tmp",
               "XDG_CONFIG_HOME=" + dir / "config", "STUBTEST_RECORD=" + dir / "record"};
        for (const char* keep : {"PATH", "HOME", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
            if (const char* value = std::getenv(keep))
                env.push_back(std::string(keep) + "=" + value);
    }

    std::string Pack(std::vector<std::string> options = {}) {
        std::vector<std::string> args = {STUBPACK_PATH, "create",   "--stub",
                                         STUB_PATH,     "-o",       package,
                                         "--store",     "--engine", "engine* /FromEntry"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(dir / "in");
        const pid_t child = Start(args, "pack");
        EXPECT_EQ(Wait(child), 0) << ReadFile(dir / "pack.err");
        return package;
    }

    pid_t Start(std::vector<std::string> args, const std::string& name) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string out = dir / (name + ".out");
        const std::string err = dir / (name + ".err");
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        pid_t child = -1;
        posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }

    static int Wait(pid_t child) {
        int status = 0;
        if (child <= 0 || waitpid(child, &status, 0) != child)
            return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    Outcome Run(std::vector<std::string> args, const std::string& name = "stub") {
        args.insert(args.begin(), package);
        const int code = Wait(Start(args, name));
        return {code, ReadFile(dir / (name + ".out")), ReadFile(dir / (name + ".err"))};
    }

    // The engine's record: lines "arg …", "atom yes|no", "file …".
    std::vector<std::string> Recorded(const std::string& kind) {
        std::vector<std::string> values;
        std::istringstream lines(ReadFile(dir / "record"));
        for (std::string line; std::getline(lines, line);)
            if (line.rfind(kind + " ", 0) == 0)
                values.push_back(line.substr(kind.size() + 1));
        return values;
    }

    // Waits for something that another process brings about, at most a minute.
    static bool Eventually(const std::function<bool()>& condition) {
        for (int i = 0; i < 6000; ++i) {
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    bool TempFolderEmpty() { return fs::is_empty(dir / "tmp"); }

    ScratchFolder dir;
    std::string package = dir / "my cd/setup.exe";
    std::vector<std::string> env;
};

} // namespace

TEST_F(SetupRunTest, EngineGetsItsCommandLineAndTheStubEndsWithItsCode) {
    Pack();
    env.push_back("STUBTEST_ACK=1");
    env.push_back("STUBTEST_DIALOG_DONE=" + dir / "dialog-closed");
    auto run = Run({"/S", "/SpanDiskFName1=" + package, "/SpanCdLvl=1", "two words"});
    EXPECT_EQ(run.code, 7) << run.err;

    const auto args = Recorded("arg");
    ASSERT_EQ(args.size(), 5u) << ReadFile(dir / "record");
    EXPECT_EQ(args[0], "/S");
    EXPECT_EQ(args[1], "two words");
    EXPECT_EQ(args[2], "/FromEntry");
    EXPECT_EQ(args[3].rfind("/TH_ID=_", 0), 0u);
    EXPECT_GT(std::stol(args[3].substr(8)), 0);
    EXPECT_EQ(args[4], "/OriginExe=" + fs::canonical(package).string());
    EXPECT_EQ(Recorded("atom"), std::vector<std::string>{"yes"});
    EXPECT_EQ(Recorded("file"), (std::vector<std::string>{"docs", "engine"}))
        << ReadFile(dir / "record");

    // The stub waited for the engine's dialog, which outlived the engine.
    EXPECT_TRUE(fs::exists(dir / "dialog-closed"));
    EXPECT_NE(run.out.find(" ==== Engine exit code 7, acknowledged=TRUE"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(" ==== WinExec(Setup.exe) >>"), std::string::npos);
    EXPECT_NE(run.out.find(" ==== STUB END ====> "), std::string::npos);
    EXPECT_TRUE(TempFolderEmpty());
    EXPECT_TRUE(fs::is_empty(dir / "run/kelpset/atoms"));
}

TEST_F(SetupRunTest, OneOriginExeAndNoAcknowledgementWithoutTheAtomTaken) {
    Pack();
    env.push_back("STUBTEST_EXIT=0");
    auto run = Run({"/OriginExe=/media/my cd/setup.exe", "/hide"});
    EXPECT_EQ(run.code, 0) << run.err;
    const auto args = Recorded("arg");
    EXPECT_EQ(std::count_if(args.begin(), args.end(),
                            [](const std::string& a) { return a.rfind("/OriginExe=", 0) == 0; }),
              1);
    EXPECT_NE(std::find(args.begin(), args.end(), "/OriginExe=/media/my cd/setup.exe"), args.end());
    EXPECT_NE(run.out.find("ForegroundOp=FALSE"), std::string::npos);
    EXPECT_NE(run.out.find("acknowledged=FALSE"), std::string::npos) << run.out;
    // The stub deletes an atom its engine left behind.
    EXPECT_TRUE(fs::is_empty(dir / "run/kelpset/atoms"));
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(SetupRunTest, ASecondStartWhileTheFirstRunsDoesNothing) {
    Pack();
    env.push_back("STUBTEST_HOLD=" + dir / "release");
    const pid_t first = Start({package, "/first"}, "first");
    ASSERT_TRUE(Eventually([&] { return fs::exists(dir / "record"); }));
    fs::rename(dir / "record", dir / "first-record");

    auto second = Run({"/second"}, "second");
    EXPECT_EQ(second.code, 0) << second.err;
    EXPECT_NE(second.out.find("already running"), std::string::npos) << second.out;
    EXPECT_FALSE(fs::exists(dir / "record"));

    WriteFile(dir / "release", "");
    EXPECT_EQ(Wait(first), 7);
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(SetupRunTest, ADamagedPackageStartsNothingAndFails) {
    Pack();
    std::string bytes = ReadFile(package);
    bytes[fs::file_size(STUB_PATH) + 5000] ^= 0x01;
    WriteFile(package, bytes);
    chmod(package.c_str(), 0755);
    auto run = Run({});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("ERROR\n\nBad CRC!\nThis indicates that your setup file might be "
                           "corrupted..."),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(dir / "record"));
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(SetupRunTest, AnUntrustedRuntimeFolderIsRefused) {
    Pack();
    struct Case {
        std::string name;
        std::function<void(const std::string&)> plant;
    };
    std::vector<Case> cases = {
        {"a link",
         [&](const std::string& path) {
             fs::create_directories(dir / "elsewhere");
             chmod((dir / "elsewhere").c_str(), 0700);
             fs::create_directory_symlink(dir / "elsewhere", path);
         }},
        {"open to others",
         [](const std::string& path) {
             fs::create_directories(path);
             chmod(path.c_str(), 0777);
         }},
    };
    if (getuid() == 0)
        cases.push_back({"another owner", [](const std::string& path) {
                             fs::create_directories(path);
                             chmod(path.c_str(), 0700);
                             ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
                         }});
    for (const auto& c : cases) {
        fs::remove_all(dir / "run/kelpset");
        c.plant(dir / "run/kelpset");
        auto run = Run({});
        EXPECT_EQ(run.code, 1) << c.name;
        EXPECT_NE(run.err.find("cannot be trusted"), std::string::npos) << c.name << run.err;
        EXPECT_FALSE(fs::exists(dir / "record")) << c.name;
        EXPECT_FALSE(fs::exists(dir / "elsewhere/atoms")) << c.name;
    }
}

TEST_F(SetupRunTest, AStubOnRemovableMediaRunsACopyThatReadsTheOtherVolumes) {
    const auto stubSize = static_cast<std::int64_t>(fs::file_size(STUB_PATH));
    const auto engineSize = static_cast<std::int64_t>(fs::file_size(dir / "in/engine"));
    Pack({"--span-cd", "--volume-size", std::to_string(stubSize + engineSize + 20000)});
    ASSERT_TRUE(fs::exists(dir / "my cd/setup.exe.002"));
    env.push_back("STUBTEST_ACK=1");

    auto run = Run({"/S"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find(" ==== WinExec(Copy) >>"), std::string::npos) << run.out;
    // The copy runs on alone and removes itself and its folder at the end.
    ASSERT_TRUE(Eventually([&] { return fs::exists(dir / "record"); }));
    ASSERT_TRUE(Eventually([&] { return TempFolderEmpty(); }));

    const auto args = Recorded("arg");
    ASSERT_EQ(args.size(), 4u) << ReadFile(dir / "record");
    EXPECT_EQ(args[0], "/S");
    EXPECT_EQ(args[1], "/OriginExe=" + fs::canonical(package).string());
    EXPECT_EQ(args[2], "/FromEntry");
    EXPECT_EQ(args[3].rfind("/TH_ID=_", 0), 0u);
    // docs/ came from the second volume, read from the medium.
    EXPECT_EQ(Recorded("file"), (std::vector<std::string>{"docs", "engine"}));
}

TEST_F(SetupRunTest, ALanguageFileBesideTheStubOverridesItsTexts) {
    Pack();
    fs::create_directories(dir / "my cd/HELP/English");
    WriteFile(dir / "my cd/HELP/English/Kelpset.language.ini",
              "[STRINGS]\nRuntimeFolderRefused=Laufzeitordner abgelehnt:|<?>\n");
    fs::create_directories(dir / "run/kelpset");
    chmod((dir / "run/kelpset").c_str(), 0755);
    auto run = Run({});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Laufzeitordner abgelehnt:\n" + dir / "run/kelpset is open to other"),
              std::string::npos)
        << run.err;
}

TEST_F(SetupRunTest, ForcePromptAsksForEveryVolumeAndACancelStartsNothing) {
    const auto stubSize = static_cast<std::int64_t>(fs::file_size(STUB_PATH));
    const auto engineSize = static_cast<std::int64_t>(fs::file_size(dir / "in/engine"));
    Pack({"--volume-size", std::to_string(stubSize + engineSize + 20000)});
    ASSERT_TRUE(fs::exists(dir / "my cd/setup.exe.002"));
    fs::create_directories(dir / "config/Tesserin");
    WriteFile(dir / "config/Tesserin/Kelpset.conf", "[SpanDisk]\nForcePrompt=1\n");
    auto run = Run({});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Please insert DISK #2 and press OK to continue"), std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(dir / "record"));
    EXPECT_TRUE(TempFolderEmpty());

    WriteFile(dir / "config/Tesserin/Kelpset.conf", "[SpanDisk]\nForcePrompt=0\n");
    run = Run({});
    EXPECT_EQ(run.code, 7) << run.err;
    EXPECT_EQ(Recorded("file"), (std::vector<std::string>{"docs", "engine"}));
}

TEST_F(SetupRunTest, AnArgumentWithAQuoteIsRefused) {
    Pack();
    auto run = Run({"say \"hi\""});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("double quote"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "record"));
}

TEST_F(SetupRunTest, ATerminationSignalClosesTheRunAndRemovesItsFolder) {
    Pack();
    env.push_back("STUBTEST_HOLD=" + dir / "release");
    const pid_t stub = Start({package}, "closed");
    ASSERT_TRUE(Eventually([&] { return fs::exists(dir / "record"); }));
    ASSERT_EQ(kill(stub, SIGTERM), 0);
    EXPECT_EQ(Wait(stub), 1);
    EXPECT_NE(ReadFile(dir / "closed.out").find("closed before the end"), std::string::npos);
    EXPECT_TRUE(TempFolderEmpty());
    EXPECT_TRUE(fs::is_empty(dir / "run/kelpset/atoms"));
    WriteFile(dir / "release", "");
}

TEST_F(SetupRunTest, AWebPackageWithoutABareSetupFileNameRunsNothing) {
    for (const char* name : {"", "../full.bin"}) {
        Pack({"--web-package", "--download-url", "http://127.0.0.1:9/site", "--download-file",
              name});
        auto run = Run({});
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find("Refused file name"), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(dir / "record"));
    }
}

TEST_F(SetupRunTest, AnUpdateAgentUnderAnotherNameRunsNothing) {
    Pack({"--agent", "--agent-name", "kelp-agent"});
    auto run = Run({});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("runs only under its own name"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "record"));
}

TEST_F(SetupRunTest, OnlyTheCopyFromRemovableMediaRemovesItself) {
    Pack();
    auto run = Run({"/SpanCdLvl=2"});
    EXPECT_EQ(run.code, 7) << run.err;
    EXPECT_TRUE(fs::exists(package));
}

TEST_F(SetupRunTest, ADisplayThatDoesNotAnswerFallsBackToTheConsole) {
    Pack();
    env.push_back("DISPLAY=:987");
    env.push_back("STUBTEST_EXIT=3");
    auto run = Run({});
    EXPECT_EQ(run.code, 3) << run.err;
    EXPECT_NE(run.err.find("Extracting Files..."), std::string::npos) << run.err;
}

// A web package: a stub without files whose setup file lies on a server on 127.0.0.1.
class WebPackageTest : public SetupRunTest {
protected:
    void SetUp() override {
        SetupRunTest::SetUp();
        fs::create_directories(dir / "site");
        fs::create_directories(dir / "empty");
    }

    void Serve(const std::string& token, const std::vector<std::string>& webOptions = {}) {
        package = dir / "site/full.bin";
        Pack({"--download-token", token});
        Resource full;
        full.file = package;
        server.Set("/site/full.bin", full);
        package = dir / "my cd/setup.exe";
        std::vector<std::string> args = {STUBPACK_PATH,
                                         "create",
                                         "--stub",
                                         STUB_PATH,
                                         "-o",
                                         package,
                                         "--web-package",
                                         "--make-agent",
                                         "--agent-name",
                                         "kelp-agent",
                                         "--download-url",
                                         server.Url("/site"),
                                         "--download-file",
                                         "full.bin",
                                         "--download-token",
                                         "secret-1"};
        args.insert(args.end(), webOptions.begin(), webOptions.end());
        args.push_back(dir / "empty");
        EXPECT_EQ(Wait(Start(args, "web")), 0) << ReadFile(dir / "web.err");
    }

    // The publisher's key pair, made by stubpack.
    void MakeKey(const std::string& name) {
        EXPECT_EQ(Wait(Start({STUBPACK_PATH, "keygen", "-W", "-p", dir / (name + ".pub"), "-s",
                              dir / (name + ".key")},
                             "keygen")),
                  0)
            << ReadFile(dir / "keygen.err");
    }

    // Signs the setup file in the site folder and serves the signature beside it.
    void SignSetupFile(const std::string& key, const std::string& comment) {
        EXPECT_EQ(Wait(Start({STUBPACK_PATH, "sign", "-s", dir / (key + ".key"), "-t", comment,
                              dir / "site/full.bin"},
                             "sign")),
                  0)
            << ReadFile(dir / "sign.err");
        Resource signature;
        signature.file = dir / "site/full.bin.minisig";
        server.Set("/site/full.bin.minisig", signature);
    }

    bool Fetched() {
        for (const auto& request : server.Requests())
            if (request.path == "/site/full.bin")
                return true;
        return false;
    }

    TestHttpServer server;
};

TEST_F(WebPackageTest, DownloadsChecksAndRunsItsSetupFileWithTheAgentBeside) {
    Serve("secret-1");
    env.push_back("STUBTEST_ACK=1");
    const auto run = Run({"/S"});
    EXPECT_EQ(run.code, 7) << run.err;
    EXPECT_TRUE(Fetched());
    EXPECT_EQ(Recorded("file"), (std::vector<std::string>{"docs", "engine", "kelp-agent"}))
        << ReadFile(dir / "record");
    EXPECT_EQ(Recorded("arg").at(0), "/S");
    EXPECT_TRUE(TempFolderEmpty()) << "the download and the extracted files are removed";
}

TEST_F(WebPackageTest, ASetupFileWithAnotherTokenIsNotRun) {
    Serve("secret-2");
    const auto run = Run({"/S"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Bad Secret Token!"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "record"));
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(WebPackageTest, ASetupFileBesideTheStubIsTakenFromThere) {
    Serve("secret-1");
    fs::copy_file(dir / "site/full.bin", dir / "my cd/full.bin");
    env.push_back("STUBTEST_ACK=1");
    const auto run = Run({"/S"});
    EXPECT_EQ(run.code, 7) << run.err;
    EXPECT_FALSE(Fetched());
    EXPECT_EQ(Recorded("file"), (std::vector<std::string>{"docs", "engine", "kelp-agent"}));
}

TEST_F(WebPackageTest, WithAnUpdateKeyOnlyASetupFileItsPublisherSignedIsRun) {
    MakeKey("publisher");
    MakeKey("stranger");
    struct Case {
        const char* what;
        const char* key; // empty: no signature served
        const char* comment;
        const char* error; // empty: the setup file runs
    };
    const Case cases[] = {
        {"signed for its name", "publisher", "timestamp:1\tfile:full.bin\thashed", ""},
        {"unsigned", "", "", "Missing signature for full.bin: "},
        {"another key", "stranger", "file:full.bin", "Signature refused for full.bin: "},
        {"another file", "publisher", "file:setup-3.bin",
         "Signature refused for full.bin: it is not for this file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(dir / "record");
        fs::remove(dir / "site/full.bin");
        fs::remove(package);
        Resource missing;
        missing.status = 404;
        server.Set("/site/full.bin.minisig", missing);
        Serve("secret-1", {"--update-key", dir / "publisher.pub"});
        if (*c.key)
            SignSetupFile(c.key, c.comment);
        env.push_back("STUBTEST_ACK=1");
        const auto run = Run({"/S"});
        if (*c.error == '\0') {
            EXPECT_EQ(run.code, 7) << run.err;
            EXPECT_EQ(Recorded("file"), (std::vector<std::string>{"docs", "engine", "kelp-agent"}));
        } else {
            EXPECT_EQ(run.code, 1);
            EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
            // The server's not-found answer is laid out, not shown as raw markup.
            EXPECT_EQ(run.err.find("<P>"), std::string::npos) << run.err;
            EXPECT_FALSE(fs::exists(dir / "record"));
        }
        EXPECT_TRUE(TempFolderEmpty());
    }

    // The same holds for a setup file lying beside the stub.
    fs::copy_file(dir / "site/full.bin", dir / "my cd/full.bin");
    server.ClearRequests();
    auto run = Run({"/S"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Missing signature for full.bin: "), std::string::npos) << run.err;
    SignSetupFile("publisher", "file:full.bin");
    fs::copy_file(dir / "site/full.bin.minisig", dir / "my cd/full.bin.minisig");
    run = Run({"/S"});
    EXPECT_EQ(run.code, 7) << run.err;
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WebPackageTest, RequireHttpsDownloadsNothingOverPlainHttp) {
    Serve("secret-1", {"--require-https"});
    const auto run = Run({"/S"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Refused: only https downloads are allowed"), std::string::npos)
        << run.err;
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_FALSE(fs::exists(dir / "record"));
}

TEST_F(WebPackageTest, TheDownloadIsAskedForWithItsSizeUnlessHidden) {
    Serve("secret-1", {"--confirm-download", "--download-size", "3145728"});
    env.push_back("STUBTEST_ACK=1");
    // Without a terminal the question takes its cancel answer.
    auto run = Run({});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("INTERNET DOWNLOAD"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Size: 3.00 MB"), std::string::npos) << run.err;
    EXPECT_FALSE(Fetched());
    EXPECT_FALSE(fs::exists(dir / "record"));
    EXPECT_TRUE(TempFolderEmpty());

    run = Run({"/hide"});
    EXPECT_EQ(run.code, 7) << run.err;
    EXPECT_EQ(run.err.find("INTERNET DOWNLOAD"), std::string::npos) << run.err;
    EXPECT_TRUE(Fetched());
}
