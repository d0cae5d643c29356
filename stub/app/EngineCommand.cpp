#include "app/EngineCommand.h"

#include "package/ListText.h"
#include "platform/CommandLine.h"

namespace stub {

std::string EngineCommand(const EngineLaunch& launch) {
    const auto mark = launch.engineEntry.find('*');
    const std::string fileName = launch.engineEntry.substr(0, mark);
    const std::string extra =
        mark == std::string::npos ? std::string() : Trim(launch.engineEntry.substr(mark + 1));
    const std::string parameters = Trim(launch.tail + " " + extra);
    std::string command = "\"" + launch.destination + "/" + fileName + "\"";
    if (!parameters.empty())
        command += " " + parameters;
    command += " /TH_ID=_" + std::to_string(launch.threadId);
    if (!SwitchValue(command, "/OriginExe="))
        command += " /OriginExe=\"" + launch.originExe + "\"";
    if (launch.agent)
        command += " /AutoUpdateProg";
    for (const char* own : {"/SpanCdLvl=", "/SpanDiskFName1="})
        command = RemoveSwitch(command, own);
    return command;
}

std::string HandshakeAtomName(long threadId) {
    return "AutoUpdateAtomTokenByKelpset_" + std::to_string(threadId);
}

std::string EngineDialogClass(long threadId) {
    return ".SDialog_Class_Name._" + std::to_string(threadId);
}

} // namespace stub
