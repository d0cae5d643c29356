#pragma once

#include <string>

namespace stub {

// What the installation engine is started with.
struct EngineLaunch {
    std::string destination; // the folder the package was extracted into
    std::string engineEntry; // the marked entry: file name, "*", extra parameters
    std::string tail;        // the stub's parameter tail
    long threadId = 0;
    std::string originExe; // the stub the user started
    bool agent = false;
};

// The engine's command text: its path (quoted), the tail and the entry's parameters,
// " /TH_ID=_<tid>", one /OriginExe="…" (unless the tail brings one) and, for an agent,
// " /AutoUpdateProg"; the switches meant for the stub alone (/SpanCdLvl=, /SpanDiskFName1=)
// removed with their whole values.
std::string EngineCommand(const EngineLaunch& launch);

// "AutoUpdateAtomTokenByKelpset_<tid>" and ".SDialog_Class_Name._<tid>".
std::string HandshakeAtomName(long threadId);
std::string EngineDialogClass(long threadId);

} // namespace stub
