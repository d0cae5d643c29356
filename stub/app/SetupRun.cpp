#include "app/SetupRun.h"

#include "app/EngineCommand.h"
#include "app/LanguageFile.h"
#include "package/AgentCopy.h"
#include "package/Descramble.h"
#include "package/Extraction.h"
#include "package/ListText.h"
#include "package/PackageError.h"
#include "package/TempFolders.h"
#include "platform/Atoms.h"
#include "platform/CloseRequest.h"
#include "platform/CommandLine.h"
#include "platform/Endpoints.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/ProcessLog.h"
#include "platform/Programs.h"
#include "platform/RuntimeFolder.h"
#include "platform/SelfRemoval.h"
#include "update/Connectivity.h"
#include "update/HttpDownload.h"
#include "update/NotFoundPage.h"
#include "update/ReleaseSignature.h"
#include "update/UpdateNames.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

namespace {

constexpr int kSettleMs = 1000;
constexpr int kProcessPollMs = 500;
constexpr int kDialogPollMs = 100;

// Thrown from a wait when a close was asked for; the run unwinds and removes what it made. A user
// who closed the window cancelled; a close signal ends the run as failed.
struct Closing {
    bool byUser;
};

std::string Flag(bool value) {
    return value ? "TRUE" : "FALSE";
}

std::string Pid() {
    return std::to_string(getpid());
}

class SetupStub {
public:
    SetupStub(const StubStart& start, const TGFileInfo& info, SetupUi& ui, bool agent = false)
        : agent_(agent)
        , start_(start)
        , info_(info)
        , ui_(ui)
        , temp_(start.ownPath)
        , texts_(std::filesystem::path(start.ownPath).parent_path().string(),
                 info.CurrentLanguageName()) {}

    int Run() {
        std::string fault;
        const auto runtime = RuntimeFolder(&fault);
        if (!runtime)
            return Fail(texts_.RuntimeFolderRefused(fault));
        runtime_ = *runtime;
        SendProcessLogToViewer(runtime_);
        // The window of the stub's class: a second start from the same path finds it.
        Endpoint window(runtime_, start_.ownPath);
        if (!window.Listen()) {
            if (EndpointExists(runtime_, start_.ownPath)) {
                ProcessLog(Pid() + " ==== already running: " + start_.ownPath);
                return 0;
            }
            return Fail(texts_.TextWith(
                "WindowNotMade", "<?><P><P>The stub's window could not be made.", start_.ownPath));
        }
        const long level = SwitchNumber(start_.tail, "/SpanCdLvl=", 1);
        if (info_.SpanCd() && level == 1)
            return StartCopyFromMedia();
        int code = kExitFailed;
        try {
            code = SetupRunOnce(level);
        } catch (const Closing& closing) {
            ProcessLog(Pid() + " ==== closed before the end");
            code = closing.byUser ? 0 : kExitFailed;
        }
        temp_.RemoveAll();
        // Only the copy made from removable media removes itself; a "/SpanCdLvl=2" typed on the
        // command line of the original does not.
        if (level == 2 &&
            std::filesystem::path(start_.ownPath).filename().string().rfind("Y_", 0) == 0)
            RemoveProgramFile(start_.ownPath, true);
        return code;
    }

    InstallOutcome Install(const std::string& package, bool background,
                           const std::string& runtime) {
        runtime_ = runtime;
        background_ = background;
        ExtractionRequest request;
        request.source = package;
        request.agentFileName = info_.Setting(SettingsItem::AgentFileName);
        InstallOutcome outcome;
        try {
            outcome.exitCode = ExtractAndStart(request);
        } catch (const Closing&) {
            ProcessLog(Pid() + " ==== closed before the end");
            outcome.exitCode = kExitFailed;
        }
        temp_.RemoveAll();
        outcome.acknowledged = acknowledged_;
        return outcome;
    }

private:
    int SetupRunOnce(long level) {
        if (info_.WebPackage())
            return WebPackageRun();
        const auto spanDisk = SwitchValue(start_.tail, "/SpanDiskFName1=");
        ExtractionRequest request;
        request.source = spanDisk ? *spanDisk : start_.ownPath;
        // The copy made from removable media reads the first volume through its own file, so
        // that the medium can be changed for the next one.
        if (level == 2)
            request.firstVolumeFile = start_.ownPath;
        else if (!PathExists(request.source))
            return Fail(texts_.TextWith("SetupFileMissing",
                                        "<?><P><P>The setup file was not found.", request.source));
        request.agentFileName =
            info_.MakeAgent() ? info_.Setting(SettingsItem::AgentFileName) : std::string();
        return ExtractAndStart(request);
    }

    // The setup file is fetched (or taken from beside the stub), checked and run as the package.
    int WebPackageRun() {
        const std::string name = info_.Download(DownloadItem::DownloadFileName);
        if (const auto refused = RefusedUpdateFileName(name, {}); !refused.empty())
            return Fail("Refused file name: " + LiteralText(refused));
        if (info_.MakeAgent()) {
            webAgent_ = info_.Setting(SettingsItem::AgentFileName);
            if (const auto refused = RefusedUpdateFileName(webAgent_, {});
                !webAgent_.empty() && !refused.empty())
                return Fail("Refused file name: " + LiteralText(refused));
        }
        const std::string beside =
            (std::filesystem::path(start_.ownPath).parent_path() / name).string();
        ExtractionRequest request;
        if (!info_.AlwaysDownload() && PathExists(beside)) {
            if (const auto refused = SetupFileSignatureProblem(beside, beside + ".minisig");
                !refused.empty())
                return Fail(refused);
            request.source = beside;
            return ExtractAndStart(request);
        }
        const std::string url = info_.Download(DownloadItem::DownloadBaseUrl) + "/" + name;
        if (info_.RequireHttps() && !PlainHttpRefusal(url).empty())
            return Fail(PlainHttpRefusal(url));
        const bool background = SwitchValue(start_.tail, "/hide") || info_.Background();
        ui_.SetProgressText(info_.LanguageText("s10"), Font());
        if (info_.ConfirmDownload() && !background) {
            const std::string size =
                MbFigure(std::atoll(info_.Download(DownloadItem::DownloadSize).c_str()));
            std::string question = info_.LanguageText("s11");
            for (auto at = question.find("<SIZE>"); at != std::string::npos;
                 at = question.find("<SIZE>", at + size.size()))
                question.replace(at, 6, size);
            if (!ui_.Boxes().AskYesNo(question, info_.LanguageText("Confirm"), info_.Charset(),
                                      info_.LanguageText("BtnText")))
                return 0;
        }
        if (!IsConnected(url))
            return Fail(info_.LanguageText("s12"));
        request.source = temp_.TempPath() + name;
        DownloadHooks hooks;
        if (!background) {
            hooks.showWindow = [this] {
                ui_.ShowProgress(true);
            };
            hooks.onProgress = ui_.ProgressCallback();
        }
        hooks.wait = [this](int ms) {
            Wait(ms);
        };
        hooks.closing = [this] {
            return ui_.CloseAsked() || CloseRequested();
        };
        hooks.httpsOnly = info_.RequireHttps();
        std::string error;
        bool fetched = HttpDownloadFile(url, request.source, error, hooks);
        Wait(0);
        if (fetched && !info_.UpdatePublicKey().empty()) {
            // Checked before the file is read as a package.
            const std::string signature = request.source + ".minisig";
            if (!HttpDownloadFile(url + ".minisig", signature, error, hooks))
                error = "Missing signature for " + LiteralText(name) + ": " + error;
            else
                error = SetupFileSignatureProblem(request.source, signature);
            std::error_code ignored;
            std::filesystem::remove(signature, ignored);
            fetched = error.empty();
        }
        if (fetched &&
            !TokensMatch(TGFileInfo(request.source).Download(DownloadItem::DownloadToken),
                         info_.Download(DownloadItem::DownloadToken)))
            error = NotFoundFileText(request.source, url, true, "Bad Secret Token!");
        if (!error.empty()) {
            ui_.ShowProgress(false);
            std::error_code ignored;
            std::filesystem::remove(request.source, ignored);
            return Fail(error);
        }
        background_ = true;
        const int code = ExtractAndStart(request);
        std::error_code ignored;
        std::filesystem::remove(request.source, ignored);
        return code;
    }

    // Empty when the package carries no UpdatePublicKey or the setup file's signature holds for
    // it and names the file.
    std::string SetupFileSignatureProblem(const std::string& path,
                                          const std::string& signature) const {
        if (info_.UpdatePublicKey().empty())
            return {};
        return ReleaseSignatureProblem(
            {info_.UpdatePublicKey(), info_.Download(DownloadItem::DownloadFileName), std::nullopt},
            path, signature);
    }

    int ExtractAndStart(ExtractionRequest& request) {
        const bool foreground =
            !background_ && !SwitchValue(start_.tail, "/hide") && !info_.Background();
        ui_.SetProgressText(info_.LanguageText("s1"), Font());
        if (info_.ShowBusyBar())
            ui_.ShowBusyBar();
        std::string destination;
        try {
            destination = temp_.PickTempFolder();
            if (!EnoughSpace(destination, info_.SpaceRequiredFor(destination)) &&
                temp_.PickAlternativeTempDrive())
                destination = temp_.AlternativeFolder();
        } catch (const std::exception& e) {
            return Fail(texts_.TextWith("TempFolderNotMade", "<?><P><P>Unable to create Directory!",
                                        e.what()));
        }
        ProcessLog("========= ForegroundOp=" + Flag(foreground) + " ==========");
        if (foreground) {
            if (!CheckTempSpace(destination, info_, ui_.Boxes()))
                return 0;
            ui_.ShowProgress(true);
            Wait(kSettleMs);
        }
        request.destination = destination;
        request.forcePrompt = IniFile::Load(ConfigIniPath())
                                  .value_or(IniFile())
                                  .Value("SpanDisk", "ForcePrompt", "0") == "1";
        request.charset = info_.Charset();
        request.volumePrompt = info_.LanguageText("s8");
        request.attentionCaption = info_.LanguageText("Attention");
        request.buttons = info_.LanguageText("BtnText");
        request.boxes = &ui_.Boxes();
        request.onProgress = ui_.ProgressCallback();
        request.log = ProcessLog;
        request.pump = [this] {
            Wait(0);
        };
        request.wait = [this](int ms) {
            Wait(ms);
        };
        ExtractionResult result;
        try {
            result = ExtractPackage(request);
        } catch (const PackageError& e) {
            ui_.ShowProgress(false);
            return Fail(LiteralText(e.what()));
        }
        Wait(kSettleMs);
        if (!result.checksumOk) {
            ui_.ShowProgress(false);
            ui_.Boxes().ShowError(info_.LanguageText("s7"), info_.LanguageText("Error"),
                                  info_.Charset(), request.buttons);
            return kExitFailed;
        }
        if (result.cancelled) {
            ui_.ShowProgress(false);
            return 0;
        }
        // A package that could not be written whole is not handed to its engine.
        if (result.writeFailures > 0 || result.refusedNames > 0) {
            ui_.ShowProgress(false);
            return kExitFailed;
        }
        if (result.engineEntry.empty()) {
            ui_.ShowProgress(false);
            return Fail(texts_.Text("NoEngine", "The package names no installation engine."));
        }
        if (!webAgent_.empty()) {
            const std::string agent = (std::filesystem::path(destination) / webAgent_).string();
            if (!WriteWebAgentCopy(InputFile(start_.ownPath), agent)) {
                ui_.ShowProgress(false);
                return Fail(texts_.TextWith(
                    "AgentNotWritten", "<?><P><P>The update agent could not be written.", agent));
            }
            ProcessLog(Pid() + " New AU-Agent: " + agent);
        }
        return StartEngine(destination, result.engineEntry);
    }

    int StartEngine(const std::string& destination, const std::string& entry) {
        EngineLaunch launch;
        launch.destination = destination;
        launch.engineEntry = entry;
        launch.tail = start_.tail;
        launch.threadId = ThreadId();
        launch.originExe = SwitchValue(start_.tail, "/OriginExe=").value_or(start_.ownPath);
        launch.agent = agent_;
        const std::string command = EngineCommand(launch);
        ProcessLog(Pid() + " ==== WinExec(Setup.exe) >>" + command + "<<");
        const std::string atom = HandshakeAtomName(launch.threadId);
        const bool atomMade = AddAtom(runtime_, atom);
        std::string error;
        const pid_t engine = StartProgram(SplitCommand(command), &error);
        ui_.ShowProgress(false);
        if (engine < 0) {
            DeleteAtom(runtime_, atom);
            return Fail(texts_.TextWith("EngineNotStarted",
                                        "<?><P><P>The installation engine could not be started.",
                                        error));
        }
        int code = 0;
        try {
            Wait(kSettleMs);
            code = WaitForProgram(
                engine, [this](int ms) { Wait(ms); }, kProcessPollMs);
            const std::string dialog = EngineDialogClass(launch.threadId);
            while (EndpointExists(runtime_, dialog))
                Wait(kDialogPollMs);
            Wait(kSettleMs);
        } catch (const Closing&) {
            DeleteAtom(runtime_, atom);
            throw;
        }
        // Acknowledged only when the atom was made here and the engine took it away.
        const bool acknowledged = atomMade && !AtomExists(runtime_, atom);
        acknowledged_ = acknowledged;
        DeleteAtom(runtime_, atom);
        ProcessLog(Pid() + " ==== Engine exit code " + std::to_string(code) +
                   ", acknowledged=" + Flag(acknowledged));
        return code;
    }

    // A stub on removable media copies itself to a private folder and runs the copy, which reads
    // the media only for its further volumes, so this one ends and frees the medium.
    int StartCopyFromMedia() {
        std::string folder;
        std::string copy;
        try {
            folder = MakePrivateTempFolder();
            copy = folder + "Y_" + std::filesystem::path(start_.ownPath).filename().string();
            std::filesystem::copy_file(start_.ownPath, copy);
            chmod(copy.c_str(), ModeAfterUmask(0755));
        } catch (const std::exception& e) {
            if (!folder.empty())
                RemoveFolderTree(folder, false);
            return Fail(LiteralText(e.what()));
        }
        const std::string origin = SwitchValue(start_.tail, "/OriginExe=").value_or(start_.ownPath);
        const std::string parameters =
            Trim(RemoveSwitch(start_.tail, "/OriginExe=") + " /SpanCdLvl=2 /SpanDiskFName1=\"" +
                 start_.ownPath + ".001\" /OriginExe=\"" + origin + "\"");
        const std::string command = "\"" + copy + "\" " + parameters;
        ProcessLog(Pid() + " ==== WinExec(Copy) >>" + command + "<<");
        std::string error;
        if (!StartDetached(SplitCommand(command), &error)) {
            RemoveFolderTree(folder, false);
            return Fail(LiteralText(error));
        }
        return 0;
    }

    void Wait(int ms) {
        ui_.Wait(ms);
        if (ui_.CloseAsked() || CloseRequested())
            throw Closing{ui_.CloseAsked()};
    }

    LanguageFont Font() const { return {info_.FontName(), info_.FontSize(), info_.Charset()}; }

    int Fail(const std::string& text) {
        ui_.Boxes().ShowError(text, info_.LanguageText("Error"), info_.Charset(),
                              info_.LanguageText("BtnText"));
        return kExitFailed;
    }

    const bool agent_;
    bool background_ = false;
    bool acknowledged_ = false;
    std::string webAgent_; // the agent copy a web package writes beside what it extracted
    const StubStart& start_;
    const TGFileInfo& info_;
    SetupUi& ui_;
    TempFolders temp_;
    LanguageFile texts_;
    std::string runtime_;
};

} // namespace

int RunSetupStub(const StubStart& start, const TGFileInfo& info, SetupUi& ui) {
    ProcessLog(" ==== ThisIs_AutoUpdateProg=" + Flag(info.IsAgent()));
    return SetupStub(start, info, ui).Run();
}

InstallOutcome InstallUpdatePackage(const StubStart& agent, const TGFileInfo& package,
                                    bool background, SetupUi& ui, const std::string& runtime) {
    return SetupStub(agent, package, ui, true).Install(package.Path(), background, runtime);
}

} // namespace stub
