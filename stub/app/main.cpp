// The setup stub: runs the setup carried behind its own program image, or extracts it into a
// named folder.
#include "app/AgentRoles.h"
#include "app/ConsoleMessageBoxes.h"
#include "app/ConsoleSetupUi.h"
#include "app/QtSetupUi.h"
#include "app/SetupRun.h"
#include "package/Extraction.h"
#include "package/PackageError.h"
#include "package/TGFileInfo.h"
#include "package/TempFolders.h"
#include "platform/CloseRequest.h"
#include "platform/CommandLine.h"
#include "platform/Display.h"
#include "platform/ProcessLog.h"
#include "platform/SelfRemoval.h"

#include <QApplication>

#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: stub [SWITCHES]     run the setup: extract into a temporary folder, start the\n"
    "                           installation engine, wait for it and end with its exit code\n"
    "       stub --extract DEST extract the package into the folder DEST (made when missing)\n"
    "Switches: /hide (no windows), /OriginExe=PATH, /SpanDiskFName1=PATH, /SpanCdLvl=N; every\n"
    "other argument is passed on to the installation engine.\n"
    "An update agent (a package made with --agent) named as its AgentFileName makes and starts\n"
    "its working copy X_<name> and relays /STOP=N, /WM_MSG=WINDOW:MESSAGE, /TEST=N and\n"
    "/TRANSIENTx=LIST to it (/WAIT=S, /_ZZ=99, /TRANSIENT=LIST, /DELAY=N when making it).\n"
    "Exit status: the engine's exit code; 0 when the user said no or a setup from the same\n"
    "file runs already; 1 on any failure; 2 on wrong use or when the program carries no\n"
    "package.\n";

constexpr int kExitUsage = 2;

// The package of this program, or nullptr after saying why there is none.
std::unique_ptr<stub::TGFileInfo> OwnPackage(const std::string& own) {
    auto info = std::make_unique<stub::TGFileInfo>(own);
    if (info->HasPackage())
        return info;
    if (info->Trailer().Magic == stub::kPackageMagic)
        std::cerr << "stub: the package of this program is damaged: " << info->Error() << "\n";
    else
        std::cerr << "stub: this program carries no package.\n";
    return nullptr;
}

int Extract(const std::string& destination) {
    const std::string own = stub::OwnProgramPath();
    auto info = OwnPackage(own);
    if (!info)
        return kExitUsage;
    auto boxes = stub::ConsoleMessageBoxes::ForProcess();
    stub::ProcessLog(std::to_string(getpid()) + " ==== STUB START ====> " + own + " --extract " +
                     destination + "<");
    if (!stub::CheckTempSpace(destination, *info, boxes))
        return stub::kExitFailed;
    stub::ExtractionRequest request;
    request.source = own;
    request.destination = destination;
    request.agentFileName =
        info->MakeAgent() ? info->Setting(stub::SettingsItem::AgentFileName) : std::string();
    request.charset = info->Charset();
    request.volumePrompt = info->LanguageText("s8");
    request.attentionCaption = info->LanguageText("Attention");
    request.buttons = info->LanguageText("BtnText");
    request.boxes = &boxes;
    request.log = stub::ProcessLog;
    const auto result = stub::ExtractPackage(request);
    if (!result.checksumOk) {
        boxes.ShowError(info->LanguageText("s7"), info->LanguageText("Error"), info->Charset(),
                        request.buttons);
        return stub::kExitFailed;
    }
    stub::ProcessLog("Extracted " + std::to_string(result.filesWritten) + " files to " +
                     destination +
                     (result.engineEntry.empty() ? "" : "; engine: " + result.engineEntry));
    return result.cancelled || result.writeFailures > 0 || result.refusedNames > 0
               ? stub::kExitFailed
               : 0;
}

int Setup(int argc, char** argv) {
    const auto tail = stub::JoinArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!tail) {
        std::cerr << "stub: an argument holds a double quote, which cannot be passed on.\n";
        return kExitUsage;
    }
    const std::string own = stub::OwnProgramPath();
    const std::string commandLine = own + (tail->empty() ? "" : " " + *tail);
    stub::ProcessLog(std::to_string(getpid()) + " ==== STUB START ====> " + commandLine + "<");
    auto info = OwnPackage(own);
    if (!info)
        return kExitUsage;
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<stub::SetupUi> ui;
    if (stub::DisplayReachable()) {
        auto windows = std::make_unique<QApplication>(argc, argv);
        // The run ends itself; a closed window must not end the event loop its waits run in.
        windows->setQuitOnLastWindowClosed(false);
        app = std::move(windows);
        ui = std::make_unique<stub::QtSetupUi>(
            info->LanguageText("s0"),
            stub::LanguageFont{info->FontName(), info->FontSize(), info->Charset()});
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
        ui = std::make_unique<stub::ConsoleSetupUi>();
    }
    stub::WatchCloseSignals();
    const stub::StubStart start{own, *tail};
    const int code =
        info->IsAgent() ? stub::RunAgent(start, *info, *ui) : stub::RunSetupStub(start, *info, *ui);
    stub::ProcessLog(" ==== STUB END ====> " + commandLine + "<");
    stub::ProcessLog("");
    return code;
}

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << kUsage;
        return 0;
    }
    try {
        if (first == "--extract") {
            if (argc != 3 || std::string(argv[2]).empty()) {
                std::cerr << kUsage;
                return kExitUsage;
            }
            return Extract(argv[2]);
        }
        return Setup(argc, argv);
    } catch (const stub::PackageError& e) {
        stub::ConsoleMessageBoxes::ForProcess().ShowError(stub::LiteralText(e.what()), "Error", 0,
                                                          {});
        return stub::kExitFailed;
    }
}
