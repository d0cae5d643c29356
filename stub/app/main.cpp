// The setup stub: extracts the package carried behind its own program image.
#include "app/ConsoleMessageBoxes.h"
#include "package/Extraction.h"
#include "package/PackageError.h"
#include "package/TGFileInfo.h"
#include "package/TempFolders.h"
#include "platform/ProcessLog.h"
#include "platform/SelfRemoval.h"

#include <iostream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kUsage =
    "Usage: stub DEST\n"
    "Extracts the package that this program carries into the folder DEST (made when missing).\n"
    "Exit status: 0 when every file was written, 1 on any failure or cancel, 2 on wrong use or\n"
    "when the program carries no package.\n";

int Run(const std::string& destination) {
    const std::string own = stub::OwnProgramPath();
    stub::TGFileInfo info(own);
    if (!info.HasPackage()) {
        if (info.Trailer().Magic == stub::kPackageMagic)
            std::cerr << "stub: the package of this program is damaged: " << info.Error() << "\n";
        else
            std::cerr << "stub: this program carries no package.\n";
        return 2;
    }
    auto boxes = stub::ConsoleMessageBoxes::ForProcess();
    stub::ProcessLog(std::to_string(getpid()) + " ==== STUB START ====> " + own + " " +
                     destination + "<");
    if (!stub::CheckTempSpace(destination, info, boxes))
        return 1;
    stub::ExtractionRequest request;
    request.source = own;
    request.destination = destination;
    request.agentFileName =
        info.MakeAgent() ? info.Setting(stub::SettingsItem::AgentFileName) : std::string();
    request.charset = info.Charset();
    request.volumePrompt = info.LanguageText("s8");
    request.attentionCaption = info.LanguageText("Attention");
    request.buttons = info.LanguageText("BtnText");
    request.boxes = &boxes;
    request.log = stub::ProcessLog;
    const auto result = stub::ExtractPackage(request);
    if (!result.checksumOk) {
        boxes.ShowError(info.LanguageText("s7"), info.LanguageText("Error"), info.Charset(),
                        request.buttons);
        return 1;
    }
    stub::ProcessLog("Extracted " + std::to_string(result.filesWritten) + " files to " +
                     destination +
                     (result.engineEntry.empty() ? "" : "; engine: " + result.engineEntry));
    return result.cancelled || result.writeFailures > 0 || result.refusedNames > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (argc != 2 || first.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        return Run(first);
    } catch (const stub::PackageError& e) {
        stub::ConsoleMessageBoxes::ForProcess().ShowError(e.what(), "Error", 0, {});
        return 1;
    }
}
