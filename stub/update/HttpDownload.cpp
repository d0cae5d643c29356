#include "update/HttpDownload.h"

#include "package/DosTime.h"
#include "package/MessageBoxes.h"
#include "platform/FileSystem.h"
#include "platform/FileTimes.h"
#include "update/CurlRequest.h"
#include "update/FileSink.h"
#include "update/NotFoundPage.h"
#include "update/PartialFile.h"
#include "update/SpeedMeter.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <thread>
#include <unistd.h>

namespace stub {

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kMaxChunk = 10240;
// Larger reads from the socket than one chunk: fewer system calls on a fast line.
constexpr long kReceiveBuffer = 100 * 1024;
constexpr const char* kWarmUpAgent = "HTTP_Connect_2";
constexpr const char* kDownloadAgent = "HTTP_Connect_3";
// A plain request, a ranged one, and a plain one again when the ranged answer did not fit.
constexpr int kMaxRequests = 3;

void Log(const LogSink& log, const std::string& line) {
    if (log)
        log(line);
    else
        ProcessLog(line);
}

std::int64_t SteadyTickMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WarmUp(const std::string& url, bool httpsOnly) {
    CurlRequest request(url, kWarmUpAgent, httpsOnly);
    if (!request)
        return;
    curl_easy_setopt(request.get(), CURLOPT_NOBODY, 1L);
    curl_easy_perform(request.get());
}

long Status(const CurlRequest& request) {
    long status = 0;
    curl_easy_getinfo(request.get(), CURLINFO_RESPONSE_CODE, &status);
    return status;
}

// The first byte and the total of a "bytes first-last/total" range; nullopt when malformed.
std::optional<std::pair<std::int64_t, std::int64_t>> ParseContentRange(const std::string& value) {
    long long first = -1, last = -1, total = -1;
    if (std::sscanf(value.c_str(), "bytes %lld-%lld/%lld", &first, &last, &total) != 3 ||
        first < 0 || last < first || total <= last)
        return std::nullopt;
    return std::make_pair(std::int64_t(first), std::int64_t(total));
}

class Download {
public:
    Download(const std::string& url, const std::string& destination, const DownloadHooks& hooks,
             std::string* memory)
        : url_(url)
        , destination_(destination)
        , hooks_(hooks)
        , memory_(memory) {}

    std::string Run() {
        Wait(100);
        WarmUp(url_, hooks_.httpsOnly);
        for (int round = 0; round < kMaxRequests; ++round) {
            CurlRequest request(url_, kDownloadAgent, hooks_.httpsOnly);
            if (!request)
                return "Unable to initialize \"WinINet.dll\"";
            request_ = &request;
            mayResume_ = round == 0 && !memory_;
            next_ = Next::Done;
            decided_ = false;
            Perform(request);
            request_ = nullptr;
            if (next_ == Next::Done)
                return Finish();
        }
        return "Unable to open Internet Connection <P>URL: " + LiteralText(url_);
    }

private:
    enum class Next { Done, Resume, StartOver };

    void Perform(CurlRequest& request) {
        CURL* curl = request.get();
        curl_slist* headers = nullptr;
        if (resumeFrom_ > 0) {
            curl_easy_setopt(curl, CURLOPT_RANGE, (std::to_string(resumeFrom_) + "-").c_str());
            headers = curl_slist_append(headers, ("If-Range: " + validator_).c_str());
            curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        }
        curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kReceiveBuffer);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Download::OnWrite);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Download::OnTransferInfo);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        CURLcode code = curl_easy_perform(curl);
        // A response without a body is judged by its headers alone.
        if (code == CURLE_OK && !decided_)
            Decide();
        if (code == CURLE_UNSUPPORTED_PROTOCOL && hooks_.httpsOnly && error_.empty())
            error_ = "Refused a redirect away from https: " + LiteralText(url_);
        curl_slist_free_all(headers);
    }

    static std::size_t OnWrite(char* data, std::size_t, std::size_t size, void* self) {
        auto* download = static_cast<Download*>(self);
        if (!download->decided_ && !download->Decide())
            return 0;
        return download->Accept(data, size) ? size : 0;
    }

    static int OnTransferInfo(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<Download*>(self)->KeepGoing() ? 0 : 1;
    }

    // Looks at the response's headers once, before any of its body is kept.
    bool Decide() {
        decided_ = true;
        long status = Status(*request_);
        bool success = status >= 200 && status <= 299;
        if (resumeFrom_ > 0) {
            std::int64_t from = resumeFrom_;
            resumeFrom_ = 0;
            if (status == 206) {
                auto range = ParseContentRange(request_->Header("Content-Range"));
                if (range && range->first == from && range->second == size_ &&
                    PartialSize() == from)
                    return Start(true, from);
            }
            // Anything but the rest of this file: the partial file is of no use.
            DiscardPartial();
            if (status == 206 || !success) {
                next_ = Next::StartOver;
                return false;
            }
            // The whole body came: the file changed or the server ignores ranges.
        }
        if (!success) {
            error_ = NotFoundText(url_, {}, false);
            return false;
        }
        curl_off_t length = -1;
        curl_easy_getinfo(request_->get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        curl_off_t modified = -1;
        curl_easy_getinfo(request_->get(), CURLINFO_FILETIME_T, &modified);
        size_ = length > 0 ? std::int64_t(length) : 0;
        std::uint32_t stamp = modified >= 0 ? UtcTimeToDosTime(std::time_t(modified)) : 0;
        if (!logged_)
            Log(hooks_.log,
                "HTTP_DownloadFile_Incremental FileSize=" + std::to_string(size_) + "  " + url_);
        logged_ = true;
        if (size_ <= 0) {
            error_ = LiteralText(url_) + "<P><P>File Not Found !";
            return false;
        }
        if (!shown_ && hooks_.showWindow)
            hooks_.showWindow();
        shown_ = true;
        if (memory_)
            return Start(false, 0);
        modified_ = modified;
        partial_ = PartialFileName(destination_, size_, stamp);
        if (PathExists(partial_)) {
            // Size and stamp added up can name another file's partial download: only one that
            // carries this file's time resumes, and the server confirms it with If-Range.
            std::int64_t have = PartialSize();
            validator_ = request_->Header("Last-Modified");
            if (mayResume_ && have > 0 && have < size_ && modified_ >= 0 && !validator_.empty() &&
                FileModificationTime(partial_) == std::time_t(modified_)) {
                resumeFrom_ = have;
                next_ = Next::Resume;
                return false;
            }
        } else {
            DeleteStalePartialFiles(destination_);
        }
        return Start(false, 0);
    }

    bool Start(bool append, std::int64_t received) {
        if (memory_) {
            memory_->clear();
        } else if (!sink_.Open(partial_, append)) {
            error_ = "Unable to write file <P>" + LiteralText(partial_) + "<P>" +
                     LiteralText(LastErrorText());
            return false;
        }
        started_ = true;
        received_ = received;
        chunk_ = std::max<std::int64_t>(1, std::min(size_ / 10, kMaxChunk));
        high_ = std::llround(double(size_) / double(chunk_)) + 1;
        meter_.emplace(size_);
        return Report(SetUpBars);
    }

    bool Accept(const char* data, std::size_t size) {
        if (memory_)
            memory_->append(data, size);
        else if (!sink_.Write(data, size)) {
            error_ = "Unable to write file <P>" + LiteralText(partial_) + "<P>" +
                     LiteralText(LastErrorText());
            return false;
        }
        // The bars advance one step for every chunk, as if it had been read on its own.
        for (std::size_t done = 0; done < size;) {
            std::size_t piece = std::min<std::size_t>(size - done, std::size_t(chunk_));
            done += piece;
            received_ += std::int64_t(piece);
            if (!Report(AdvanceBars) || !KeepGoing())
                return false;
        }
        return true;
    }

    bool Report(ProgressKind kind) {
        std::string text = meter_->Update(Tick(), received_);
        if (hooks_.onSpeedText)
            hooks_.onSpeedText(text);
        if (hooks_.onProgress) {
            bool cancel = false;
            hooks_.onProgress(kind, 0, high_, cancel, 1,
                              std::llround(double(received_) / double(chunk_)));
            aborted_ = aborted_ || cancel;
        }
        return !aborted_;
    }

    bool KeepGoing() {
        if (hooks_.pump)
            hooks_.pump();
        if (hooks_.closing && hooks_.closing())
            aborted_ = true;
        return !aborted_;
    }

    std::string Finish() {
        bool closed = sink_.Close();
        if (started_ && !memory_ && modified_ >= 0)
            SetFileTime(partial_, std::time_t(modified_));
        if (aborted_)
            return "Download Aborted";
        if (!error_.empty())
            return error_;
        if (!decided_)
            return "Unable to open Internet Connection <P>URL: " + LiteralText(url_);
        if (received_ != size_)
            return "Download incomplete: " + std::to_string(received_) + "/" +
                   std::to_string(size_) + " Bytes<P>URL: " + LiteralText(url_);
        if (memory_)
            return {};
        std::error_code renamed;
        if (closed)
            fs::rename(partial_, destination_, renamed);
        if (!closed || renamed)
            return "Unable to write file <P>" + LiteralText(destination_);
        return {};
    }

    std::int64_t PartialSize() const {
        std::error_code error;
        auto size = fs::file_size(partial_, error);
        return error ? -1 : std::int64_t(size);
    }

    void DiscardPartial() {
        std::error_code ignored;
        fs::remove(partial_, ignored);
    }

    void Wait(int ms) {
        if (hooks_.wait)
            hooks_.wait(ms);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    std::int64_t Tick() const { return hooks_.tickMs ? hooks_.tickMs() : SteadyTickMs(); }

    const std::string& url_;
    const std::string& destination_;
    const DownloadHooks& hooks_;
    std::string* memory_;

    CurlRequest* request_ = nullptr;
    Next next_ = Next::Done;
    bool mayResume_ = false;
    bool decided_ = false;
    bool logged_ = false;
    bool shown_ = false;
    bool aborted_ = false;
    bool started_ = false;
    std::string error_;

    std::int64_t size_ = 0;
    curl_off_t modified_ = -1;
    std::string partial_;
    std::string validator_;
    std::int64_t resumeFrom_ = 0;

    FileSink sink_;
    std::int64_t received_ = 0;
    std::int64_t chunk_ = 1;
    std::int64_t high_ = 0;
    std::optional<SpeedMeter> meter_;
};

} // namespace

bool HttpDownloadFile(const std::string& url, const std::string& destination,
                      std::string& errorText, const DownloadHooks& hooks,
                      std::string* memoryResult) {
    std::string* memory = destination.empty() ? memoryResult : nullptr;
    if (hooks.httpsOnly && !PlainHttpRefusal(url).empty()) {
        errorText = PlainHttpRefusal(url);
    } else if (destination.empty() && !memory) {
        errorText = "Unable to write file <P>" + LiteralText(url);
    } else {
        Download download(url, destination, hooks, memory);
        errorText = download.Run();
    }
    if (!errorText.empty())
        Log(hooks.log, std::to_string(getpid()) + " HTTP_DownloadFile_Incremental: " + errorText);
    return errorText.empty();
}

std::string PlainHttpRefusal(const std::string& url) {
    const std::string scheme = url.substr(0, url.find(':'));
    if (scheme.size() == 5 &&
        std::equal(scheme.begin(), scheme.end(), "https",
                   [](unsigned char a, char b) { return std::tolower(a) == b; }))
        return {};
    return "Refused: only https downloads are allowed: " + LiteralText(url);
}

std::int64_t HttpGetFileSize(const std::string& url, const LogSink& log, bool httpsOnly) {
    if (httpsOnly && !PlainHttpRefusal(url).empty()) {
        Log(log, "HTTP_GetFileSize=-1  " + PlainHttpRefusal(url));
        return -1;
    }
    WarmUp(url, httpsOnly);
    std::int64_t size = -1;
    CurlRequest request(url, kWarmUpAgent, httpsOnly);
    if (request) {
        curl_easy_setopt(request.get(), CURLOPT_NOBODY, 1L);
        long status = curl_easy_perform(request.get()) == CURLE_OK ? Status(request) : 0;
        curl_off_t length = -1;
        curl_easy_getinfo(request.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        if (status >= 200 && status <= 299)
            size = length > 0 ? std::int64_t(length) : 0;
    }
    Log(log, "HTTP_GetFileSize=" + std::to_string(size) + "  " + url);
    return size;
}

} // namespace stub
