#pragma once

#include "app/SetupRun.h"
#include "app/SetupUi.h"
#include "package/TGFileInfo.h"

namespace stub {

// An update agent from start to end. Named AgentFileName it is the plain agent: it makes and
// starts its working copy "X_" + that name unless one runs, and relays its command-line commands
// to it. Named "X_" + AgentFileName it is the working agent: it runs the update cycle until
// stopped and then removes its own file. 0, or 1 when it cannot run.
int RunAgent(const StubStart& start, const TGFileInfo& info, SetupUi& ui);

} // namespace stub
