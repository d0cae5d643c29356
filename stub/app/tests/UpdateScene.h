#pragma once

// The scene of the update agent's tests: an installed product with its agent folder, a site on
// 127.0.0.1 offering version 4 of it, and an engine that records its command line and
// acknowledges the hand-over.
#include "update/ProcessFinder.h"
#include "update/tests/TestHttpServer.h"

#include "testsupport/CraftedPackage.h"

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace stubtest {

inline const char* const kSceneVariables[] = {"XDG_RUNTIME_DIR", "TMPDIR",
                                              "XDG_CONFIG_HOME", "STUBTEST_RECORD",
                                              "STUBTEST_ACK",    "STUBTEST_PRODUCT_LOG"};

struct UpdateScene {
    ScratchFolder dir;
    TestHttpServer server;
    std::string record = dir / "agent/kelp.original";
    std::string product = dir / "product/kelp-product";
    std::string setupFile = dir / "site/setup-4.bin";

    // The folders, the environment the stub and its test programs read, and their files.
    void SetUpScene() {
        for (const char* folder : {"run", "tmp", "agent", "product", "in", "empty", "site"})
            std::filesystem::create_directories(dir / folder);
        chmod((dir / "run").c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        setenv("TMPDIR", (dir / "tmp").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        setenv("STUBTEST_RECORD", (dir / "engine-record").c_str(), 1);
        setenv("STUBTEST_ACK", "1", 1);
        setenv("STUBTEST_PRODUCT_LOG", (dir / "product-log").c_str(), 1);
        std::filesystem::copy_file(TEST_ENGINE_PATH, dir / "in/engine");
        std::filesystem::copy_file(TEST_PRODUCT_PATH, product);
    }

    // Every product started goes, also one the agent restarted that has not logged its start
    // yet: it would hold the test's output open.
    void TearDownScene() {
        for (pid_t pid : ProductPids())
            kill(pid, SIGKILL);
        for (pid_t pid; (pid = stub::FindProcess(product)) > 0;) {
            kill(pid, SIGKILL);
            while (stub::FindProcess(product) == pid)
                std::this_thread::yield();
        }
        for (const char* name : kSceneVariables)
            unsetenv(name);
    }

    // stubpack's arguments for the setup package of version 4.
    std::vector<std::string> SetupPackage(const std::string& token) {
        return {STUBPACK_PATH, "create",   "--stub", STUB_PATH, "-o",  setupFile,
                "--store",     "--engine", "engine", "--token", token, dir / "in"};
    }

    void ServeSetupPackage() {
        Resource file;
        file.file = setupFile;
        server.Set("/site/setup-4.bin", file);
    }

    // The installed version 3; interval -1: only a requested probe runs.
    void WriteRecord(int probeInterval) {
        WriteFile(record, "[OriginalSetup]\nVersionOriginal=3\nStamp=old\nProbeSecondsInterval=" +
                              std::to_string(probeInterval) +
                              "\nReAskSecondsInterval=0\nProgramName=Kelp\n[Directories]\n"
                              "TargetDir=" +
                              dir / "product" + "\n");
    }

    // The description of version 4, served; overrides come first, so they win over the keys
    // after them.
    std::string Describe(const std::string& method, const std::string& overrides = "") {
        Resource description;
        description.body =
            "[NewSetup]\n" + overrides + "DownloadURL_UPDATE=" + server.Url("/site") +
            "\nNameOfUpdateFile=setup-4.bin\nSizeOfUpdateFile=" +
            std::to_string(std::filesystem::file_size(setupFile)) + "\nShutDownMethod=" + method +
            "\nRestartProcess=1\nRunningProcess=<InstallDir>/kelp-product\n"
            "VersionNew=4\nStamp=new\n";
        server.Set("/info/kelp.ini", description);
        return description.body;
    }

    // The products started so far, from the lines they log.
    std::vector<pid_t> ProductPids() const {
        std::vector<pid_t> pids;
        std::istringstream lines(ReadFile(dir / "product-log"));
        for (std::string word, pid; lines >> word >> pid;)
            pids.push_back(std::stoi(pid));
        return pids;
    }

    // The engine's command line, as it recorded it.
    std::vector<std::string> EngineArgs() const {
        std::vector<std::string> args;
        std::istringstream lines(ReadFile(dir / "engine-record"));
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("arg ", 0) == 0)
                args.push_back(line.substr(4));
        return args;
    }
};

} // namespace stubtest
