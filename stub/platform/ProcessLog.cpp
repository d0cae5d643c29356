#include "platform/ProcessLog.h"

#include "platform/Atoms.h"
#include "platform/Endpoints.h"
#include "platform/NameHash.h"

#include <cstdio>
#include <mutex>
#include <unistd.h>

namespace stub {

namespace {

constexpr std::size_t kViewerPiece = 10241;
constexpr int kViewerTimeoutMs = 2000;
constexpr std::int64_t kStubSender = 2;

std::string viewerRuntime;

void SendToViewer(const std::string& text) {
    static std::int64_t sequence = 0;
    const std::string viewer = ".KDebug.";
    if (viewerRuntime.empty() || !EndpointExists(viewerRuntime, viewer))
        return;
    for (std::size_t at = 0; at < text.size(); at += kViewerPiece) {
        const std::int64_t number = ++sequence;
        const std::string atom =
            "K_DebugMsg_" + std::to_string(getpid()) + "_" + std::to_string(number);
        if (!AddAtom(viewerRuntime, atom, text.substr(at, kViewerPiece)))
            return;
        SendEndpointMessage(viewerRuntime, viewer, RegisteredMessage(".K_DebugMsg."), kStubSender,
                            number, kViewerTimeoutMs);
        DeleteAtom(viewerRuntime, atom);
    }
}

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

} // namespace

void ProcessLog(const std::string& line) {
    std::lock_guard<std::mutex> guard(Lock());
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    SendToViewer(line + "\n");
}

void SendProcessLogToViewer(const std::string& runtime) {
    std::lock_guard<std::mutex> guard(Lock());
    viewerRuntime = runtime;
}

unsigned RegisteredMessage(const std::string& name) {
    // Registered messages take numbers from 0xC000 up, as window systems hand them out.
    return 0xC000u + static_cast<unsigned>(std::stoull(NameHash(name), nullptr, 16) % 0x4000u);
}

} // namespace stub
