#pragma once

#include "package/LanguageDefaults.h"
#include "package/MessageBoxes.h"
#include "package/Progress.h"
#include "platform/ProcessLog.h"

#include <cstdint>
#include <functional>
#include <string>

namespace stub {

// A file block as found, for inspecting a package without writing it.
struct EntryInfo {
    int volume;
    std::int32_t blockLength; // > 0 deflated, < 0 stored
    std::string name;         // as stored, with any "*" mark and parameters
    std::uint32_t stamp;
    std::int64_t size; // the file's bytes
    bool safe;         // the name stays inside the destination
};

struct ExtractionRequest {
    std::string source;          // the stub's own file or the first volume; names the others
    std::string firstVolumeFile; // when set, the first volume is read from this file instead
    std::string destination;     // created with its parents when missing
    std::string agentFileName;   // a bare file name; empty: no update agent is written
    bool forcePrompt = false;    // always prompt for the next volume
    int charset = 0;
    std::string volumePrompt = DefaultLanguageText("s8");
    std::string attentionCaption = "Attention";
    std::string buttons = kDefaultButtons;
    MessageBoxes* boxes = nullptr;
    OnProgress onProgress;
    LogSink log;
    std::function<void()> pump;       // keeps a window alive during long reads
    std::function<void(int ms)> wait; // default: sleep
    // Counts failed file writes across every extraction of the process, so that only the first
    // one is reported; the process-wide counter when null.
    int* writeFailureCount = nullptr;
    // When set, every file block is read in full and described here instead of written.
    std::function<void(const EntryInfo&)> inspect;
};

struct ExtractionResult {
    bool checksumOk = true;
    std::string engineEntry; // with its "*" and parameters as stored; empty when none or cancelled
    bool cancelled = false;
    int filesWritten = 0;
    int writeFailures = 0;
    int refusedNames = 0;
    int volumes = 0;
};

// Writes the package's files volume by volume into the destination. A damaged package raises
// PackageError, a broken deflate stream EZLibError.
ExtractionResult ExtractPackage(const ExtractionRequest& request);

} // namespace stub
