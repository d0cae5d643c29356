// A package file as the stub finds it: its trailer and information blocks read and answered,
// then every file block extracted into a temporary folder (a further volume is never there, and
// every question is answered with cancel). A damaged package ends in an error, never worse, and
// nothing is written outside the folder.
#include "app/ConsoleMessageBoxes.h"
#include "package/Extraction.h"
#include "package/PackageError.h"
#include "package/TGFileInfo.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string scratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "package_reader.XXXXXX");
    if (!mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = scratchFolder();
    const std::string package = folder + "/setup.bin";
    const std::string destination = folder + "/out";
    {
        std::ofstream out(package, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out)
            std::abort();
    }
    const stub::TGFileInfo info(package);
    if (!info.HasPackage())
        return 0;
    info.LanguageText("s7");
    info.Setting(stub::SettingsItem::SecretToken, true);
    info.Download(stub::DownloadItem::DownloadToken, true);
    info.VersionRecordName();
    info.SpaceRequiredFor(folder);

    std::ostringstream said;
    stub::ConsoleMessageBoxes boxes(nullptr, said);
    stub::ExtractionRequest request;
    request.source = package;
    request.destination = destination;
    request.charset = info.Charset();
    request.volumePrompt = info.LanguageText("s8");
    request.boxes = &boxes;
    request.wait = [](int) {
    };
    try {
        stub::ExtractPackage(request);
    } catch (const stub::PackageError&) {
        // A damaged package or deflate stream: the error the stub reports.
    }
    std::filesystem::remove_all(destination);
    // Only the package and the destination may ever be in the folder.
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path() != package)
            std::abort();
    return 0;
}
