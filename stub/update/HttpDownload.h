#pragma once

#include "package/Progress.h"
#include "platform/ProcessLog.h"

#include <cstdint>
#include <functional>
#include <string>

namespace stub {

// What a download needs from the program around it. Every member may be left empty.
struct DownloadHooks {
    std::function<void()> showWindow; // shown when the transfer starts
    OnProgress onProgress;            // may cancel
    std::function<void(const std::string& text)> onSpeedText;
    std::function<void(int ms)> wait;     // waits while pumping events; default: sleep
    std::function<void()> pump;           // pumps pending events between reads
    std::function<bool()> closing;        // the program is closing: abort
    LogSink log;                          // default: the process log
    std::function<std::int64_t()> tickMs; // clock of the speed meter; default: monotonic
    bool httpsOnly = false;               // plain http refused, also on a redirect
};

// Downloads url into destination, resuming a partial file left by an earlier attempt, or into
// *memoryResult when destination is empty. errorText is empty on success; on failure the
// destination is untouched and a partial file stays for the next attempt. Error texts are box
// markup: the addresses and paths in them are marked as literal text.
bool HttpDownloadFile(const std::string& url, const std::string& destination,
                      std::string& errorText, const DownloadHooks& hooks,
                      std::string* memoryResult = nullptr);

// The content length the server announces for url: 0 when it announces none, -1 when the
// address cannot be reached, answers with an error status or is plain http under httpsOnly.
std::int64_t HttpGetFileSize(const std::string& url, const LogSink& log = {},
                             bool httpsOnly = false);

// Why url is not fetched under httpsOnly; empty when it is an https address.
std::string PlainHttpRefusal(const std::string& url);

} // namespace stub
