#pragma once

#include "app/SetupRun.h"
#include "app/SetupUi.h"
#include "app/TransientOverrides.h"
#include "package/TGFileInfo.h"
#include "platform/ProcessLog.h"
#include "update/CycleDownload.h"
#include "update/UpdateDescription.h"

#include <cstdint>
#include <functional>
#include <string>

namespace stub {

// What the working agent's update cycle runs with.
struct AgentSetup {
    StubStart start;                 // the working agent's own file and parameter tail
    const TGFileInfo* own = nullptr; // its package information
    std::string runtime;             // the checked runtime folder
    SetupUi* ui = nullptr;
    bool testMode = false;
    std::string testUrl;
    TransientOverrides overrides;
    std::function<void(int code, int value)> notify; // to the registered peer
    std::function<bool()> stopping;                  // a close or stop was asked for
    std::function<bool(const std::string& url)> connected;
    std::function<std::int64_t()> now; // the cycle's clock (UpdateSeconds)
    LogSink debugLog;
};

enum class UpdateOutcome {
    Installed,      // the engine acknowledged (an announcement: the user accepted it)
    NotInstalled,   // declined, stopped, or the engine did not acknowledge
    DownloadFailed, // the package could not be fetched or failed its token check
};

// One probe and what follows it: the description fetched, the decision, the update.
class UpdateAgent {
public:
    explicit UpdateAgent(AgentSetup setup);

    // True when an update was installed (the agent then restarts itself).
    bool PerformShot(bool manualCheck);
    UpdateOutcome PerformAutoUpdate(const UpdateDescription& description, bool descriptionLocal,
                                    bool manualCheck);
    // The announcement: the inform file fetched and shown; Installed when the user accepted it.
    UpdateOutcome PerformAutoInform(const UpdateDescription& description, bool descriptionLocal);
    // The description only, into the agent's folder.
    CycleDownloadResult DownloadInfoFile();
    // The update site: the test address in test mode.
    std::string SiteUrl() const;
    int Busy() const { return busy_; }

    std::string Folder() const { return folder_; }
    std::string RecordPath() const { return recordPath_; }
    std::string InfoPath() const { return infoPath_; }

private:
    // A cycle download from base, with the agent's token, names, key and https demand.
    CycleDownloadRequest FileRequest(CycleFile kind, const std::string& base,
                                     const std::string& name, bool localAllowed) const;
    std::string RecordText(const std::string& key, const std::string& fallback) const;
    std::string ProductName(const UpdateDescription& description) const;
    void Debug(const std::string& line) const;
    void Notify(int code, int value) const;
    bool Network(const std::string& url) const;
    bool ShutDown(const std::string& product, const std::string& method);
    void RemoveShortcuts(const UpdateDescription& description) const;

    AgentSetup setup_;
    std::string folder_;
    std::string recordPath_;
    std::string infoPath_;
    std::vector<std::string> ownFiles_;
    int busy_ = 0;
};

} // namespace stub
