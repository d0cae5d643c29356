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

} // namespace stub
