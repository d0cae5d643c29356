#pragma once

#include "app/AutoUpdate.h"
#include "app/SetupRun.h"
#include "app/SetupUi.h"
#include "app/TransientOverrides.h"
#include "package/TGFileInfo.h"
#include "platform/Endpoints.h"
#include "platform/ProcessLog.h"
#include "update/UpdateTimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>

namespace stub {

// The messages between agents and to the working agent.
constexpr std::uint32_t kMsgStop = 1123;     // wParam: the stop countdown in ticks
constexpr std::uint32_t kMsgRegister = 1124; // wParam: the peer's window, lParam: its message
constexpr std::uint32_t kMsgCommand = 1125;  // wParam: the parameter command, lParam: its value

// A peer registers with the number of its window; it listens as this class.
std::string AgentPeerClass(std::int64_t window);

// The transient overrides as passed on a command line: "|a|b|c|d|e|f|".
std::string OverridesText(const TransientOverrides& overrides);
// Reads such a list; items missing or not numbers leave their override alone.
TransientOverrides ParseOverrides(const std::string& text);

// The working agent: a hidden window listening as its class, whose 1000 ms timer runs the update
// cycle. Messages 1123 to 1125 arrive through its endpoint, also while a tick waits.
class WorkingAgent : public QObject {
public:
    WorkingAgent(const StubStart& start, const TGFileInfo& info, SetupUi& ui, std::string runtime,
                 LogSink debugLog);

    // False when a working agent of the class runs already.
    bool Listen(const std::string& className);
    // Runs the window loop until the stop countdown ends, a close while idle, or a restart; the
    // peer then hears 43.
    void Run();
    std::int64_t Message(const EndpointMessage& message);

private:
    void Tick();
    std::int64_t Command(std::int64_t command, std::int64_t value);
    void ReadSettings(bool now);
    bool AskProbeQuestion();
    void Restart();
    void Notify(int code, std::int64_t value) const;
    void Debug(const std::string& line) const;
    std::string RecordText(const std::string& key, const std::string& fallback) const;
    bool Closing() const;

    const StubStart& start_;
    const TGFileInfo& info_;
    SetupUi& ui_;
    std::string runtime_;
    LogSink debugLog_;
    std::string recordPath_;
    std::string infoPath_;
    std::unique_ptr<Endpoint> endpoint_;
    QEventLoop loop_;
    QTimer timer_;
    UpdateTimer ticks_;
    TransientOverrides overrides_;
    QElapsedTimer settingsRead_;
    bool testMode_ = false;
    std::string testUrl_;
    bool ticking_ = false;
    const UpdateAgent* current_ = nullptr; // the probe running
    std::int64_t peerWindow_ = 0;
    std::int64_t peerMessage_ = 0;
};

} // namespace stub
