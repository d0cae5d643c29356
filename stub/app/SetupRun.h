#pragma once

#include "app/SetupUi.h"
#include "package/TGFileInfo.h"

#include <string>

namespace stub {

constexpr int kExitFailed = 1;

// The stub as started: its own file and its parameter tail.
struct StubStart {
    std::string ownPath;
    std::string tail;
};

// The setup stub from start to end: the process log, the second-instance guard, the copy of a
// stub on removable media, extraction into the temporary folder and the hand-over to the
// installation engine. The engine's exit code; 0 when nothing was started because the user said
// no or another instance runs; 1 on every failure.
int RunSetupStub(const StubStart& start, const TGFileInfo& info, SetupUi& ui);

struct InstallOutcome {
    int exitCode = kExitFailed;
    bool acknowledged = false; // the engine took the handshake atom
};

// The update agent's install: the downloaded package extracted into the agent's temporary
// folder and handed to its engine with the agent's parameter tail and " /AutoUpdateProg".
// runtime is the checked runtime folder the handshake atom lives in.
InstallOutcome InstallUpdatePackage(const StubStart& agent, const TGFileInfo& package,
                                    bool background, SetupUi& ui, const std::string& runtime);

} // namespace stub
