#pragma once

#include "platform/ProcessLog.h"
#include "update/HttpDownload.h"

#include <string>
#include <vector>

namespace stub {

// What the update cycle fetches: the description, the new package, the inform file.
enum class CycleFile { Info, Update, Inform };

struct CycleDownloadRequest {
    CycleFile kind = CycleFile::Info;
    std::string base; // folder address or, when localAllowed, a local folder
    std::string name; // a bare file name
    std::string agentFolder;
    bool localAllowed = false; // the base may be a local folder (IsLocalBase)
    bool networkAllowed = false;
    std::string ownToken; // scrambled, for the package and inform file checks
    std::vector<std::string> ownFiles;
    DownloadHooks hooks;
    LogSink debugLog;
};

struct CycleDownloadResult {
    bool ok = false;
    bool fromLocal = false;
    std::string path; // where the file now lies in the agent's folder
    std::string error;
};

// Fetches one file into the agent's folder: copied when the base is a local folder holding it,
// else downloaded (resuming an earlier partial download). The package and the inform file must
// carry the agent's token ("Bad Secret Token!"); a file that fails a check is removed.
CycleDownloadResult DownloadForCycle(const CycleDownloadRequest& request);

// The token of an inform file: the first item of the "|" list its first line starts with.
std::string InformFileToken(const std::string& text);
// The message of an inform file: the text after the four items of that list.
std::string InformFileMessage(const std::string& text);

} // namespace stub
