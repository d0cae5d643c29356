#pragma once

#include "platform/ProcessLog.h"
#include "update/HttpDownload.h"

#include <cstdint>
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
    // The agent's UpdatePublicKey: when set, the file must come with NAME.minisig from the same
    // base, valid for that key, before anything reads it.
    std::string publicKey;
    // For the package: the version its signature's trusted comment must name.
    std::int64_t signedVersion = 0;
    DownloadHooks hooks;
    LogSink debugLog;
};

struct CycleDownloadResult {
    bool ok = false;
    bool fromLocal = false;
    std::string path;  // where the file now lies in the agent's folder
    std::string error; // box markup, as the download's errors
};

// Fetches one file into the agent's folder: copied when the base is a local folder holding it,
// else downloaded (resuming an earlier partial download). The package and the inform file must
// carry the agent's token ("Bad Secret Token!"); with a public key, the signature must hold and
// the package's and inform file's trusted comment must name the file ("file:NAME") and the
// package's the announced version ("version:V"). A file that fails a check is removed.
CycleDownloadResult DownloadForCycle(const CycleDownloadRequest& request);

// The token of an inform file: the first item of the "|" list its first line starts with.
std::string InformFileToken(const std::string& text);
// The message of an inform file: the text after the four items of that list.
std::string InformFileMessage(const std::string& text);

} // namespace stub
