// An installation engine for the stub's tests. It records its command line, whether its
// handshake atom exists and the files beside it; on request it deletes the atom, leaves a
// dialog endpoint open for a while after it ends, waits for a release file, and ends with the
// exit code asked for (7 by default). Everything is asked through the environment, which the
// stub passes on.
#include "app/EngineCommand.h"
#include "platform/Atoms.h"
#include "platform/Endpoints.h"
#include "platform/Programs.h"
#include "platform/RuntimeFolder.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// The child that holds the engine's dialog endpoint for holdMs, then notes that it closed.
int HoldDialog(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string runtime = *stub::RuntimeFolder();
    stub::Endpoint dialog(runtime, argv[2]);
    if (!dialog.Listen())
        return 3;
    const std::string done = argv[3];
    QTimer::singleShot(std::stoi(argv[4]), [&] {
        std::ofstream(done) << "closed\n";
        app.quit();
    });
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--dialog")
        return HoldDialog(argc, argv);
    std::string threadId;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("/TH_ID=_", 0) == 0)
            threadId = arg.substr(8);
    }
    const auto runtime = stub::RuntimeFolder();
    const std::string atom = stub::HandshakeAtomName(std::atol(threadId.c_str()));
    const std::string record = Env("STUBTEST_RECORD");
    if (!record.empty()) {
        std::ofstream out(record + ".tmp");
        for (int i = 1; i < argc; ++i)
            out << "arg " << argv[i] << "\n";
        out << "atom " << (runtime && stub::AtomExists(*runtime, atom) ? "yes" : "no") << "\n";
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(fs::path(argv[0]).parent_path()))
            files.insert(entry.path().filename().string());
        for (const auto& file : files)
            out << "file " << file << "\n";
        out.close();
        fs::rename(record + ".tmp", record);
    }
    if (runtime && Env("STUBTEST_ACK") == "1")
        stub::DeleteAtom(*runtime, atom);
    const std::string dialogDone = Env("STUBTEST_DIALOG_DONE");
    if (runtime && !dialogDone.empty()) {
        const std::string dialogClass = stub::EngineDialogClass(std::atol(threadId.c_str()));
        stub::StartDetached({argv[0], "--dialog", dialogClass, dialogDone, "1500"});
        WaitUntil([&] { return stub::EndpointExists(*runtime, dialogClass); });
    }
    const std::string hold = Env("STUBTEST_HOLD");
    if (!hold.empty())
        WaitUntil([&] { return fs::exists(hold); });
    const std::string code = Env("STUBTEST_EXIT");
    return code.empty() ? 7 : std::atoi(code.c_str());
}
