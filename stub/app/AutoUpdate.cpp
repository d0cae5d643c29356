#include "app/AutoUpdate.h"

#include "package/TempFolders.h"
#include "paths/PathVariables.h"
#include "platform/CommandLine.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/Programs.h"
#include "update/CycleDownload.h"
#include "update/ProcessFinder.h"
#include "update/Shutdown.h"
#include "update/UpdateDecision.h"
#include "update/UpdateSize.h"
#include "update/UpdateTime.h"
#include "update/VersionRecord.h"

#include <algorithm>
#include <filesystem>

namespace stub {

namespace {

namespace fs = std::filesystem;

std::string Flag(bool value) {
    return value ? "TRUE" : "FALSE";
}

constexpr std::size_t kInformFileLimit = 1024 * 1024;

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

} // namespace

UpdateAgent::UpdateAgent(AgentSetup setup)
    : setup_(std::move(setup)) {
    const TGFileInfo& own = *setup_.own;
    folder_ = fs::path(setup_.start.ownPath).parent_path().string();
    recordPath_ = (fs::path(folder_) / own.VersionRecordName()).string();
    const std::string infoName =
        fs::path(own.Setting(SettingsItem::InfoFileName)).filename().string();
    infoPath_ = (fs::path(folder_) / infoName).string();
    const std::string agent = own.Setting(SettingsItem::AgentFileName);
    ownFiles_ = {agent, "X_" + agent, own.VersionRecordName(), infoName,
                 fs::path(setup_.start.ownPath).filename().string()};
    if (own.UpdatePublicKey().empty())
        Debug("Updates are unsigned: no UpdatePublicKey, the secret token alone is checked");
}

void UpdateAgent::Debug(const std::string& line) const {
    if (setup_.debugLog)
        setup_.debugLog(line);
}

void UpdateAgent::Notify(int code, int value) const {
    if (setup_.notify)
        setup_.notify(code, value);
}

bool UpdateAgent::Network(const std::string& url) const {
    return !setup_.testMode && setup_.connected && setup_.connected(url);
}

std::string UpdateAgent::RecordText(const std::string& key, const std::string& fallback) const {
    const auto ini = IniFile::Load(recordPath_);
    return ini ? ini->Value("AutoUpdate", key, fallback) : fallback;
}

std::string UpdateAgent::ProductName(const UpdateDescription& description) const {
    if (!description.programName.empty())
        return description.programName;
    const auto record = VersionRecord::Load(recordPath_);
    return record ? record->programName : std::string();
}

CycleDownloadRequest UpdateAgent::FileRequest(CycleFile kind, const std::string& base,
                                              const std::string& name, bool localAllowed) const {
    CycleDownloadRequest request;
    request.kind = kind;
    request.base = base;
    request.name = name;
    request.agentFolder = folder_;
    request.localAllowed = localAllowed;
    request.networkAllowed = Network(base);
    request.ownToken = setup_.own->Setting(SettingsItem::SecretToken);
    request.ownFiles = ownFiles_;
    request.publicKey = setup_.own->UpdatePublicKey();
    request.hooks.httpsOnly = setup_.own->RequireHttps();
    request.hooks.wait = [this](int ms) {
        setup_.ui->Wait(ms);
    };
    request.hooks.closing = setup_.stopping;
    request.debugLog = setup_.debugLog;
    return request;
}

CycleDownloadResult UpdateAgent::DownloadInfoFile() {
    Debug("TestMode=" + Flag(setup_.testMode));
    // The site's address is the agent's own setting: a local folder there is trusted.
    return DownloadForCycle(
        FileRequest(CycleFile::Info, SiteUrl(), fs::path(infoPath_).filename().string(), true));
}

std::string UpdateAgent::SiteUrl() const {
    return setup_.testMode ? setup_.testUrl : setup_.own->Setting(SettingsItem::UpdateBaseUrl);
}

bool UpdateAgent::PerformShot(bool manualCheck) {
    const std::int64_t now = setup_.now();
    ProcessLog(" Fire  " + ReadableUpdateTime(now));
    busy_ = 1;
    Notify(40, 1);
    const auto fetched = DownloadInfoFile();
    Notify(40, 2);
    WriteRecordTime(recordPath_, "ProbeSecondsLast", now);

    DecisionInput input;
    const auto description = IniFile::Load(infoPath_);
    input.infoDownloaded = fetched.ok && description.has_value();
    input.record = VersionRecord::Load(recordPath_).value_or(VersionRecord());
    if (description)
        input.description = UpdateDescription::FromIni(*description);
    input.now = now;
    input.manualCheck = manualCheck;
    input.base = setup_.testMode ? setup_.testUrl : input.description.downloadUrlUpdate;
    input.ownFiles = ownFiles_;
    const bool local = fetched.fromLocal;
    const bool network = Network(input.base);
    const bool httpsOnly = setup_.own->RequireHttps();
    input.actualSize = [local, network, httpsOnly](const std::string& base,
                                                   const std::string& name) {
        return UpdateFileSize(base, name, local, network, httpsOnly);
    };
    const int code = GetOkToPerformAU(input, {ProcessLog, setup_.debugLog});
    bool installed = false;
    if (code == kDecisionOk) {
        ProcessLog(" ==== PerformShot-1 ====");
        const std::string stampBefore = input.record.stamp;
        const std::int64_t reAskBefore = input.record.reAskSecondsLast;
        WriteRecordTime(recordPath_, "ReAskSecondsLast", now);
        WriteRecordValue(recordPath_, "Stamp", input.description.stamp);
        UpdateOutcome outcome = UpdateOutcome::NotInstalled;
        if (input.description.autoInform) {
            outcome = PerformAutoInform(input.description, local);
        } else {
            outcome = PerformAutoUpdate(input.description, local, manualCheck);
            installed = outcome == UpdateOutcome::Installed;
        }
        // A download that failed is tried again at the next probe, resuming what came.
        if (outcome == UpdateOutcome::DownloadFailed) {
            WriteRecordTime(recordPath_, "ReAskSecondsLast", reAskBefore);
            WriteRecordValue(recordPath_, "Stamp", stampBefore);
        }
        ProcessLog(" ==== PerformShot-2 ====");
    }
    if (manualCheck && code != kDecisionOk) {
        const bool connected = Network(SiteUrl());
        ProcessLog(" TestMode=" + Flag(setup_.testMode) + " InternetConnected=" + Flag(connected));
        auto& boxes = setup_.ui->Boxes();
        if (setup_.testMode || connected) {
            if (fetched.ok)
                boxes.ShowInfo(RecordText("s21", DecisionText(code)), RecordText("Attention", ""),
                               0, 0, RecordText("BtnText", ""));
            else
                boxes.ShowError(fetched.error, RecordText("Error", ""), 0,
                                RecordText("BtnText", ""));
        } else {
            boxes.ShowError(RecordText("s2", "No internet connection."), RecordText("Error", ""), 0,
                            RecordText("BtnText", ""));
        }
    }
    busy_ = 0;
    return installed;
}

UpdateOutcome UpdateAgent::PerformAutoInform(const UpdateDescription& description,
                                             bool descriptionLocal) {
    ProcessLog("PerformAutoInform() - START");
    ProcessLog(" ==== PerformAutoInform-1 ====");
    auto end = [](UpdateOutcome outcome) {
        ProcessLog("PerformAutoInform() - END " + Flag(outcome == UpdateOutcome::Installed));
        return outcome;
    };
    if (description.downloadUrlUpdate.empty() || description.nameOfInformFile.empty())
        return end(UpdateOutcome::NotInstalled);
    ProcessLog(" ==== PerformAutoInform-2 ====");
    busy_ = 2;
    Notify(41, 1);
    const auto request = FileRequest(
        CycleFile::Inform, setup_.testMode ? setup_.testUrl : description.downloadUrlUpdate,
        description.nameOfInformFile, descriptionLocal);
    const auto inform = DownloadForCycle(request);
    Notify(41, 2);
    if (!inform.ok) {
        ProcessLog("ERROR: " + inform.error);
        setup_.ui->Boxes().ShowError(inform.error, RecordText("Error", ""), 0,
                                     RecordText("BtnText", ""));
        return end(UpdateOutcome::DownloadFailed);
    }
    ProcessLog(" ==== PerformAutoInform-3 ====");
    InformWindowText window;
    window.caption = RecordText("s34", "New Version");
    window.button = RecordText("s35", "Download");
    window.address = description.downloadUrlInform;
    window.message = InformFileMessage(ReadFileHead(inform.path, kInformFileLimit));
    window.width = description.autoInformW > 0 ? description.autoInformW : 360;
    window.height = std::max(description.autoInformH, 0);
    if (!setup_.ui->ShowInform(window))
        return end(UpdateOutcome::NotInstalled);
    // Accepted: the same version is not announced again.
    WriteRecordValue(recordPath_, "VersionOriginal", std::to_string(description.versionNew));
    ProcessLog(" ==== PerformAutoInform-4 ====");
    return end(UpdateOutcome::Installed);
}

bool UpdateAgent::ShutDown(const std::string& product, const std::string& method) {
    auto& boxes = setup_.ui->Boxes();
    if (method == "Issue a Message Box") {
        const std::string text = ReplaceAll(RecordText("s15", "Please close PROG_NAME."),
                                            "PROG_NAME", LiteralText(fs::path(product).filename()));
        while (IsProcessRunning(product) && !(setup_.stopping && setup_.stopping()) &&
               boxes.AskOkCancel(text, RecordText("Attention", ""), 0, RecordText("BtnText", "")))
            setup_.ui->Wait(500);
    }
    ProcessLog("Shut Down Process() - START  (" + product + ")  Method: " + method);
    ProcessLog(" ==== PerformAutoUpdate-8 ====");
    bool signalled = false;
    if (method == "Using WM_CLOSE")
        signalled = CloseProcess(product);
    else if (method == "Using WM_QUIT")
        signalled = QuitProcess(product);
    else if (method == "Using Terminate Process")
        signalled = TerminateProcess(product);
    if (signalled)
        ProcessLog("Signalled " + product + " (" + method + ")");
    bool ended = true;
    if (method != "Don't Shut Down") {
        WaitHooks hooks;
        hooks.wait = [this](int ms) {
            setup_.ui->Wait(ms);
        };
        hooks.stop = setup_.stopping;
        ended = WaitForProcessEnd(product, 0, hooks);
    }
    ProcessLog(" ==== PerformAutoUpdate-9 ====");
    ProcessLog("Shut Down Process() - END");
    return ended;
}

void UpdateAgent::RemoveShortcuts(const UpdateDescription& description) const {
    const auto record = VersionRecord::Load(recordPath_);
    if (!record)
        return;
    std::error_code ignored;
    if (description.removeStartUpShortcut && !record->startUpLink.empty())
        fs::remove(record->startUpLink, ignored);
    if (description.removeCheckForNewUpdateShortcut && !record->checkForNewUpdateLink.empty())
        fs::remove(record->checkForNewUpdateLink, ignored);
}

UpdateOutcome UpdateAgent::PerformAutoUpdate(const UpdateDescription& description,
                                             bool descriptionLocal, bool manualCheck) {
    ProcessLog("PerformAutoUpdate() - START");
    ProcessLog(" ==== PerformAutoUpdate-4 ====");
    auto end = [](UpdateOutcome outcome) {
        ProcessLog("PerformAutoUpdate() - END    Result=" +
                   Flag(outcome == UpdateOutcome::Installed));
        return outcome;
    };
    if (description.downloadUrlUpdate.empty() || description.nameOfUpdateFile.empty())
        return end(UpdateOutcome::NotInstalled);
    ProcessLog(" ==== PerformAutoUpdate-5 ====");
    auto& boxes = setup_.ui->Boxes();
    const std::string buttons = RecordText("BtnText", "");
    const std::string name = LiteralText(ProductName(description));
    const auto& o = setup_.overrides;
    const bool confirmInstall =
        o.Apply(TransientOverrides::ConfirmInstall, description.confirmBeforeInstall);
    const std::string offer = ReplaceAll(
        RecordText("s11", "") + RecordText(confirmInstall ? "s13" : "s12", ""), "PROG_NAME", name);
    if (o.Apply(TransientOverrides::ConfirmDownload, description.confirmBeforeDownload) &&
        !manualCheck && !boxes.AskYesNo(offer, RecordText("Confirm", ""), 0, buttons))
        return end(UpdateOutcome::NotInstalled);

    ProcessLog(" ==== PerformAutoUpdate-6 ====");
    busy_ = 2;
    Notify(41, 1);
    auto request = FileRequest(CycleFile::Update,
                               setup_.testMode ? setup_.testUrl : description.downloadUrlUpdate,
                               description.nameOfUpdateFile, descriptionLocal);
    request.signedVersion = description.versionNew;
    const auto package = DownloadForCycle(request);
    Notify(41, 2);
    if (!package.ok) {
        ProcessLog("ERROR: " + package.error);
        boxes.ShowError(package.error, RecordText("Error", ""), 0, buttons);
        return end(UpdateOutcome::DownloadFailed);
    }
    auto removePackage = [&package] {
        std::error_code ignored;
        fs::remove(package.path, ignored);
    };
    if (confirmInstall && !manualCheck &&
        !boxes.AskYesNo(ReplaceAll(RecordText("s14", ""), "PROG_NAME", name),
                        RecordText("Confirm", ""), 0, buttons)) {
        removePackage();
        return end(UpdateOutcome::NotInstalled);
    }

    ProcessLog(" ==== PerformAutoUpdate-7 ====");
    const auto record = VersionRecord::Load(recordPath_).value_or(VersionRecord());
    VariableSources sources = SystemVariableSources(folder_, setup_.start.ownPath, folder_);
    sources.applicationFolder = record.targetDir;
    sources.commonFolder = record.sharedDir;
    sources.auxiliaryFolder = record.auxiliaryDir;
    ExpandOptions expand;
    expand.pathMode = true;
    const std::string product = ExpandVariables(description.runningProcess, expand, sources);
    const bool ranBefore = !product.empty() && IsProcessRunning(product);
    if (!product.empty() && !ShutDown(product, description.shutDownMethod)) {
        // Stopped while waiting: the product still runs, so nothing is installed under it.
        removePackage();
        return end(UpdateOutcome::NotInstalled);
    }
    const bool restart = o.Apply(TransientOverrides::Restart, description.restartProcess) &&
                         ranBefore && !IsProcessRunning(product);

    busy_ = 3;
    Notify(42, 1);
    ProcessLog(" ==== PerformAutoUpdate-10 ====");
    const TGFileInfo newPackage(package.path);
    const StubStart agent{setup_.start.ownPath, "/OriginalInfoFile=\"" + infoPath_ + "\""};
    const auto installed = InstallUpdatePackage(
        agent, newPackage, o.Apply(TransientOverrides::Background, description.backgroundUpdate),
        *setup_.ui, setup_.runtime);
    ProcessLog(" ==== PerformAutoUpdate-11 ====");
    Notify(42, 2);
    if (installed.acknowledged) {
        WriteRecordValue(recordPath_, "VersionOriginal", std::to_string(description.versionNew));
        RemoveShortcuts(description);
    }
    removePackage();

    bool restartNow = restart;
    if (installed.acknowledged &&
        (o.Apply(TransientOverrides::InformFinish, description.informFinish) || manualCheck)) {
        const std::string done = ReplaceAll(RecordText("s16", ""), "PROG_NAME", name);
        if (restart)
            restartNow = boxes.AskYesNo(done + ReplaceAll(RecordText("s17", ""), "PROG_NAME", name),
                                        RecordText("Confirm", ""), 0, buttons);
        else
            boxes.ShowInfo(done, RecordText("Attention", ""), 0, 0, buttons);
    }
    if (restartNow) {
        std::string error;
        if (!StartDetached({product}, &error))
            ProcessLog("ERROR: " + error);
    }
    ProcessLog(" ==== PerformAutoUpdate-12 ====");
    return end(installed.acknowledged ? UpdateOutcome::Installed : UpdateOutcome::NotInstalled);
}

} // namespace stub
