#pragma once

#include <functional>
#include <string>

namespace stub {

using LogSink = std::function<void(const std::string& line)>;

// The process log: one line on standard output, serialised between threads. Once the runtime
// folder is known, each line also goes to a debug viewer when one listens as ".KDebug.": in
// pieces of at most 10241 characters, each carried by the atom "K_DebugMsg_<pid>_<n>" and sent
// as the message ".K_DebugMsg." with wParam 2 (the stub) and lParam n; the atom is deleted
// after the send.
void ProcessLog(const std::string& line);
void SendProcessLogToViewer(const std::string& runtime);

// The number of a message registered by name, the same in every process.
unsigned RegisteredMessage(const std::string& name);

} // namespace stub
