#include "package/Extraction.h"

#include "package/AgentCopy.h"
#include "package/BlockReader.h"
#include "package/EntryName.h"
#include "package/InputFile.h"
#include "package/ListText.h"
#include "package/OutputFile.h"
#include "package/PackageError.h"
#include "package/PackageFile.h"
#include "package/Volumes.h"
#include "platform/FileSystem.h"
#include "platform/Media.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/stat.h>
#include <thread>

namespace stub {

namespace {

constexpr std::size_t kMaxHeader = 64 * 1024;
constexpr int kPromptWaitMs = 500;

// Failed writes of the process, for requests that bring no counter of their own.
int processWriteFailures = 0;

bool StartsLikeAProgram(const std::string& firstBytes) {
    return firstBytes.rfind("#!", 0) == 0 || firstBytes.rfind("\x7f"
                                                              "ELF",
                                                              0) == 0;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

// One file block's content arrives in pieces: the entry header up to the first NUL, then the
// file's bytes, which go straight to the file.
class EntryWriter {
public:
    EntryWriter(const ExtractionRequest& request, ExtractionResult& result, int volume,
                std::int32_t blockLength)
        : request_(request)
        , result_(result)
        , info_{volume, blockLength, {}, 0, 0, true} {}

    void Take(const char* data, std::size_t length) {
        if (!headerDone_) {
            const char* nul = static_cast<const char*>(std::memchr(data, '\0', length));
            std::size_t headerPart = nul ? static_cast<std::size_t>(nul - data) : length;
            if (header_.size() + headerPart > kMaxHeader)
                throw PackageError(request_.source + ": an entry header is too long");
            header_.append(data, headerPart);
            if (!nul)
                return;
            StartFile();
            data += headerPart + 1;
            length -= headerPart + 1;
        }
        if (firstBytes_.size() < 4)
            firstBytes_.append(data, std::min<std::size_t>(length, 4 - firstBytes_.size()));
        dataSize_ += static_cast<std::int64_t>(length);
        if (file_ && !failed_ && !file_->Write(data, length))
            Fail();
    }

    void Finish() {
        if (!headerDone_)
            StartFile();
        if (request_.inspect && !header_.empty()) {
            info_.size = dataSize_;
            request_.inspect(info_);
        }
        if (!file_)
            return;
        if (!failed_) {
            // The package carries no file modes: the engine, scripts and programs must run.
            if (isEngine_ || (file_->Created() && StartsLikeAProgram(firstBytes_)))
                file_->MakeExecutable();
            file_->Stamp(stamp_);
            if (!file_->Close())
                Fail();
        }
        file_.reset();
        if (failed_) {
            ReportWriteFailure();
            return;
        }
        ++result_.filesWritten;
    }

private:
    void StartFile() {
        headerDone_ = true;
        if (header_.empty())
            return;
        EntryHeader entry = ParseEntryHeader(header_);
        auto relative = SafeRelativePath(entry.fileName);
        info_.name = entry.name;
        info_.stamp = entry.stamp;
        info_.safe = relative.has_value();
        if (!relative) {
            if (++result_.refusedNames == 1 && !request_.inspect)
                Error(LiteralText(entry.name) +
                      "<P><P>Unsafe file name refused: it is absolute, names a folder or leaves "
                      "the destination folder.");
            return;
        }
        if (header_.find('*') != std::string::npos)
            result_.engineEntry = entry.isEngine ? entry.name : header_;
        if (request_.inspect)
            return;
        stamp_ = entry.stamp;
        isEngine_ = entry.isEngine;
        path_ = request_.destination + "/" + *relative;
        file_ = std::make_unique<OutputFile>(request_.destination, *relative, true);
        if (!file_->IsOpen())
            Fail();
        else if (file_->Created() && request_.onProgress) {
            bool cancel = false;
            request_.onProgress(AdvanceBars, 0, 0, cancel, 0, 0);
        }
    }

    void Fail() {
        failed_ = true;
        errorText_ = LastErrorText();
    }

    void ReportWriteFailure() {
        ++result_.writeFailures;
        int& processCount =
            request_.writeFailureCount ? *request_.writeFailureCount : processWriteFailures;
        if (++processCount != 1)
            return;
        struct stat st {};
        std::int64_t onDisk = stat(path_.c_str(), &st) == 0 ? st.st_size : 0;
        std::int64_t free = FreeBytes(path_).value_or(0);
        Error(LiteralText(path_) + "<P><P>Unable to save Extracted File!<P><P>" +
              LiteralText(errorText_) + "<P>" + "  Data Size: <T>" + std::to_string(dataSize_) +
              " Bytes<P>" + "  File Size:  <T>" + std::to_string(onDisk) + " Bytes<P>" +
              "  Bytes Free: <T>" + std::to_string(free) + " Bytes");
    }

    void Error(const std::string& text) {
        if (request_.boxes)
            request_.boxes->ShowError(text, {}, request_.charset, request_.buttons);
    }

    const ExtractionRequest& request_;
    ExtractionResult& result_;
    std::string header_;
    bool headerDone_ = false;
    std::string path_;
    std::uint32_t stamp_ = 0;
    bool isEngine_ = false;
    std::unique_ptr<OutputFile> file_;
    bool failed_ = false;
    std::string errorText_;
    std::int64_t dataSize_ = 0;
    std::string firstBytes_;
    EntryInfo info_;
};

class Extractor {
public:
    Extractor(const ExtractionRequest& request)
        : request_(request) {}

    ExtractionResult Run() {
        const auto started = std::chrono::steady_clock::now();
        const std::string base = VolumeBase(request_.source);
        Progress(SetUpBars, 0, 0, 0);
        std::string path =
            request_.firstVolumeFile.empty() ? request_.source : request_.firstVolumeFile;
        for (int volume = 1;; ++volume) {
            if (PathExists(path) && !ExtractVolume(path, volume))
                return result_;
            if (!trailer_.Has(SpanDisks) || volume + 1 > kLastVolume)
                break;
            path = VolumePath(base, volume + 1);
            if ((request_.forcePrompt || !PathExists(path)) && !PromptForVolume(path, volume + 1)) {
                result_.cancelled = true;
                result_.engineEntry.clear();
                break;
            }
        }
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
        Log("");
        Log("UnCompressTime: " + std::to_string(elapsed.count()) + " MS");
        Wait(kPromptWaitMs);
        return result_;
    }

private:
    // False when the volume's checksum fails.
    bool ExtractVolume(const std::string& path, int volume) {
        const bool first = volume == 1;
        ++result_.volumes;
        InputFile file(path);
        trailer_ = ReadTrailer(file);
        result_.checksumOk =
            ChecksumPasses(PackageChecksum(file, trailer_.TrailerLength), trailer_.Checksum);
        if (!result_.checksumOk)
            return false;
        const std::int64_t length = PackageEnd(file);
        if (first)
            Log("FileInfo.FilesCount=" + std::to_string(trailer_.FilesCount));
        Log("FileLen=" + std::to_string(length));
        if (trailer_.Magic != kPackageMagic)
            return true;
        if (first)
            Progress(SetUpBars, trailer_.FilesCount, 1, 0);
        if (!request_.inspect)
            MakeDestination();
        std::int64_t position = trailer_.DataOffset;
        std::int64_t infoEnd = -1;
        const std::int64_t blocksEnd = length - trailer_.TrailerLength;
        while (length - position >= kTrailerSize + 1) {
            const auto n = static_cast<std::int32_t>(file.ReadLe32At(position));
            const std::int64_t body = position + 4;
            position = body + BlockBodySize(n);
            if (position > blocksEnd)
                throw PackageError(path + ": a block runs past the end of the package");
            if (++blockCounter_ == trailer_.InfoBlockCount)
                infoEnd = position;
            if (blockCounter_ <= trailer_.InfoBlockCount)
                continue;
            EntryWriter entry(request_, result_, volume, n);
            StreamBlock(
                file, body, n, [&entry](const char* d, std::size_t l) { entry.Take(d, l); },
                request_.pump);
            entry.Finish();
        }
        if (first && infoEnd > 0 && !request_.agentFileName.empty() && !request_.inspect &&
            (EndsWithNoCase(request_.source, ".exe") ||
             EndsWithNoCase(request_.source, ".exe.001")))
            WriteAgent(file, infoEnd);
        return true;
    }

    void WriteAgent(const InputFile& file, std::int64_t infoEnd) {
        if (!IsBareFileName(request_.agentFileName)) {
            if (request_.boxes)
                request_.boxes->ShowError(LiteralText(request_.agentFileName) +
                                              "<P><P>The update agent's file name must be a bare "
                                              "file name; no agent was written.",
                                          {}, request_.charset, request_.buttons);
            return;
        }
        std::string agent = request_.destination + "/" + request_.agentFileName;
        if (WriteUpdateAgent(file, infoEnd, trailer_, agent))
            Log(std::to_string(getpid()) + " New AU-Agent: " + agent);
    }

    void MakeDestination() {
        try {
            MakeFolders(request_.destination);
        } catch (const std::system_error& e) {
            if (request_.boxes)
                request_.boxes->ShowError(LiteralText(request_.destination) +
                                              "<P><P>Unable to create Directory!<P><P>" +
                                              LiteralText(e.code().message()),
                                          {}, request_.charset, request_.buttons);
        }
    }

    bool PromptForVolume(const std::string& path, int number) {
        EjectMedia(path, request_.log);
        const std::string text =
            ReplaceAll(request_.volumePrompt, "<DISK_NUM>", std::to_string(number));
        bool answered = false;
        do {
            answered =
                request_.boxes && request_.boxes->AskOkCancel(text, request_.attentionCaption,
                                                              request_.charset, request_.buttons);
            Wait(kPromptWaitMs);
        } while (answered && !PathExists(path));
        Progress(AdvanceBars, 0, 0, 0);
        return answered;
    }

    void Progress(int kind, std::int64_t high, int step, std::int64_t position) {
        bool cancel = false;
        if (request_.onProgress)
            request_.onProgress(kind, 0, high, cancel, step, position);
    }

    void Log(const std::string& line) {
        if (request_.log)
            request_.log(line);
    }

    void Wait(int ms) {
        if (request_.wait)
            request_.wait(ms);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    const ExtractionRequest& request_;
    ExtractionResult result_;
    PackageTrailer trailer_;
    std::int64_t blockCounter_ = 0;
};

} // namespace

ExtractionResult ExtractPackage(const ExtractionRequest& request) {
    return Extractor(request).Run();
}

} // namespace stub
