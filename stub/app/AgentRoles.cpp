#include "app/AgentRoles.h"

#include "app/DebugLogFile.h"
#include "app/EventWait.h"
#include "app/LanguageFile.h"
#include "app/WorkingAgent.h"
#include "platform/CommandLine.h"
#include "platform/Endpoints.h"
#include "platform/ProcessLog.h"
#include "platform/Programs.h"
#include "platform/RuntimeFolder.h"
#include "update/VersionRecord.h"

#include <QElapsedTimer>

#include <cerrno>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

namespace {

namespace fs = std::filesystem;

constexpr int kRelayWaitMs = 3000;
constexpr int kRelayStepMs = 200;

std::string Flag(bool value) {
    return value ? "TRUE" : "FALSE";
}

bool SameName(const std::string& a, const std::string& b) {
    return !a.empty() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::string WithoutExtensions(const std::string& name) {
    return name.substr(0, name.find('.'));
}

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

// Writes a copy of the own file under a temporary name beside target and renames it into place,
// so that a working copy still running keeps its own file untouched.
bool WriteWorkingCopy(const std::string& own, const std::string& target, std::string* error) {
    const std::string temporary = target + ".new-" + std::to_string(getpid());
    std::error_code ec;
    fs::remove(temporary, ec);
    if (fs::copy_file(own, temporary, ec) && chmod(temporary.c_str(), 0755) == 0)
        fs::rename(temporary, target, ec);
    else if (!ec)
        ec = std::error_code(errno, std::generic_category());
    if (ec) {
        *error = ec.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

class Agent {
public:
    Agent(const StubStart& start, const TGFileInfo& info, SetupUi& ui)
        : start_(start)
        , info_(info)
        , ui_(ui)
        , ownName_(fs::path(start.ownPath).filename().string())
        , agentName_(info.Setting(SettingsItem::AgentFileName))
        , plain_(SameName(ownName_, agentName_))
        , working_(SameName(ownName_, "X_" + agentName_))
        , workingClass_(".AutoUpdate.X_" + WithoutExtensions(agentName_)) {
        if (info.DebugLog())
            debugLog_ = DebugLogFile(DebugLogPath(start.ownPath), working_);
    }

    int Run() {
        Debug("");
        Debug("");
        Debug("=== START === " + start_.ownPath);
        Debug("CommandLine=" + start_.ownPath + (start_.tail.empty() ? "" : " " + start_.tail));
        const int code = Dispatch();
        Debug("=== EXIT === " + start_.ownPath);
        Debug("");
        return code;
    }

private:
    int Dispatch() {
        LanguageFile texts(fs::path(start_.ownPath).parent_path().string(),
                           info_.CurrentLanguageName());
        if (!plain_ && !working_)
            return Fail(texts.TextWith("AgentName",
                                       "<?><P><P>This update agent runs only under its own name "
                                       "or as its working copy.",
                                       agentName_));
        std::string fault;
        const auto runtime = RuntimeFolder(&fault);
        if (!runtime)
            return Fail(texts.RuntimeFolderRefused(fault));
        runtime_ = *runtime;
        SendProcessLogToViewer(runtime_);
        Debug("DoRunStubWin() --- Start");
        const bool workingRuns = EndpointExists(runtime_, workingClass_);
        Debug("X_ExeIsRunning=" + Flag(workingRuns));
        Debug("ThisIs_Plain_AutoUpdate_Exe=" + Flag(plain_));
        Debug("ThisIs_X_AutoUpdate_Exe=" + Flag(working_));
        if (working_)
            RunWorkingAgent();
        else
            RunPlainAgent(workingRuns);
        Debug("DoRunStubWin() --- End");
        return 0;
    }

    void RunWorkingAgent() {
        const auto identity = IdentityOf(start_.ownPath);
        Debug("CheckTestMode");
        WorkingAgent window(start_, info_, ui_, runtime_, debugLog_);
        if (!window.Listen(workingClass_)) {
            ProcessLog(std::to_string(getpid()) + " ==== already running: " + workingClass_);
            return;
        }
        Debug("WinMain");
        window.Run();
        Debug("DeleteMySelf");
        // A plain agent may have put a fresh copy in place meanwhile: that one stays.
        if (identity && IdentityOf(start_.ownPath) == identity)
            unlink(start_.ownPath.c_str());
    }

    void RunPlainAgent(bool workingRuns) {
        Endpoint window(runtime_, ".AutoUpdate." + WithoutExtensions(ownName_));
        if (window.Listen())
            MakeWorkingAgent(workingRuns);
        Relay(workingRuns);
    }

    void MakeWorkingAgent(bool workingRuns) {
        Debug("CreateAndRun_X_Exe() --- Start");
        const std::string force = SwitchValue(start_.tail, "/_ZZ=").value_or("");
        ProcessLog(" CreateAndRun_X_Exe-1 " + force);
        if (workingRuns && force != "99") {
            Debug("CreateAndRun_X_Exe() --- End");
            return;
        }
        ProcessLog(" CreateAndRun_X_Exe-2");
        const long long seconds = SwitchNumber(start_.tail, "/WAIT=", 0);
        if (seconds > 0) {
            Debug("Wait " + std::to_string(seconds) + " SEC");
            PumpFor(static_cast<int>(seconds * 1000));
        }
        const std::string target =
            (fs::path(start_.ownPath).parent_path() / ("X_" + ownName_)).string();
        std::string error;
        if (!WriteWorkingCopy(start_.ownPath, target, &error)) {
            ProcessLog("ERROR: " + target + ": " + error);
            Debug("CreateAndRun_X_Exe() --- End");
            return;
        }
        Debug("Create X_ File ");
        std::vector<std::string> command = {target};
        if (const auto transient = SwitchValue(start_.tail, "/TRANSIENT="))
            command.push_back("/TRANSIENTx=" + *transient);
        if (const auto delay = SwitchValue(start_.tail, "/DELAY="))
            command.push_back("/SleepX=" + *delay);
        std::string line = target;
        for (std::size_t i = 1; i < command.size(); ++i)
            line += " " + command[i];
        Debug("WinExec: " + line);
        if (!StartDetached(command, &error)) {
            ProcessLog("ERROR: " + error);
        } else if (!start_.tail.empty()) {
            // Commands posted before the copy listens would be lost.
            QElapsedTimer waited;
            waited.start();
            while (!EndpointExists(runtime_, workingClass_) && waited.elapsed() < kRelayWaitMs)
                PumpFor(kRelayStepMs);
        }
        Debug("CreateAndRun_X_Exe() --- End");
    }

    void Post(const std::string& what, std::uint32_t message, std::int64_t wParam,
              std::int64_t lParam, const std::string& value) {
        const std::string target =
            (fs::path(start_.ownPath).parent_path() / ("X_" + ownName_)).string();
        Debug("PostProcessMessage(" + what + ") to: " + target + value);
        if (!PostEndpointMessage(runtime_, workingClass_, message, wParam, lParam))
            ProcessLog("ERROR: no working agent listens as " + workingClass_);
    }

    void Relay(bool workingRan) {
        const long long stop = SwitchNumber(start_.tail, "/STOP=", -1);
        if (stop >= 0)
            Post("wm_ShutDown", kMsgStop, stop, 0, "");
        if (const auto peer = SwitchValue(start_.tail, "/WM_MSG=")) {
            const auto colon = peer->find(':');
            const auto window =
                colon == std::string::npos ? -1 : IniNumber(peer->substr(0, colon), -1);
            const auto message =
                colon == std::string::npos ? -1 : IniNumber(peer->substr(colon + 1), -1);
            if (window >= 0 && message > 0)
                Post("wm_LocalMsg", kMsgRegister, window, message, " - " + *peer);
            else
                ProcessLog("ERROR: /WM_MSG= wants window:message, not " + *peer);
        }
        const long long test = SwitchNumber(start_.tail, "/TEST=", -1);
        if (test >= 0) {
            Post("wm_AgentMsg", kMsgCommand, 31, test,
                 " - AU_PerformUpdateCycle (" + std::to_string(test) + ")");
            // A working agent started for this test only ends after it.
            if (!workingRan && test > 0)
                Post("wm_ShutDown", kMsgStop, 2, 0, "");
        }
        if (const auto transient = SwitchValue(start_.tail, "/TRANSIENTx=")) {
            const auto overrides = ParseOverrides(*transient);
            for (int item = TransientOverrides::ProbeQuestion; item <= TransientOverrides::Restart;
                 ++item)
                Post("wm_AgentMsg", kMsgCommand, 19 + item,
                     overrides.Get(static_cast<TransientOverrides::Item>(item)), "");
        }
    }

    void Debug(const std::string& line) const {
        if (debugLog_)
            debugLog_(line);
    }

    int Fail(const std::string& text) {
        ui_.Boxes().ShowError(text, info_.LanguageText("Error"), info_.Charset(),
                              info_.LanguageText("BtnText"));
        return kExitFailed;
    }

    const StubStart& start_;
    const TGFileInfo& info_;
    SetupUi& ui_;
    const std::string ownName_;
    const std::string agentName_;
    const bool plain_;
    const bool working_;
    const std::string workingClass_;
    std::string runtime_;
    LogSink debugLog_;
};

} // namespace

int RunAgent(const StubStart& start, const TGFileInfo& info, SetupUi& ui) {
    ProcessLog(" ==== ThisIs_AutoUpdateProg=" + Flag(info.IsAgent()));
    return Agent(start, info, ui).Run();
}

} // namespace stub
