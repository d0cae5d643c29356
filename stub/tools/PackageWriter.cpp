#include "tools/PackageWriter.h"

#include "package/ByteOrder.h"
#include "package/DosTime.h"
#include "package/EntryName.h"
#include "package/InputFile.h"
#include "package/PackageFile.h"
#include "package/Volumes.h"
#include "tools/LanguageIni.h"
#include "tools/Scramble.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace stub {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kPiece = 256 * 1024;

struct PackEntry {
    std::string source;
    std::string name; // as stored, with the engine mark when it is the engine
    std::int64_t size;
    std::uint32_t stamp;
};

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

std::string Settings(const PackOptions& o) {
    return "|" + o.updateBaseUrl + "|" + o.infoFileName + "|" + o.agentFileName + "|" +
           ScrambleToken(o.secretToken) + "|" + (o.background ? "1" : "0") + "|" +
           (o.updatePublicKey.empty() && !o.requireHttps ? "" : o.updatePublicKey + "|") +
           (o.requireHttps ? "1|" : "");
}

std::string DownloadSettings(const PackOptions& o) {
    return "|" + o.downloadBaseUrl + "|" + o.downloadFileName + "|" +
           (o.alwaysDownload ? "1" : "0") + "|" + ScrambleToken(o.downloadToken) + "|" +
           std::to_string(o.downloadSize) + "|";
}

void CheckListItem(const std::string& text, const std::string& what) {
    if (text.find('|') != std::string::npos)
        Fail(what + " must not contain \"|\": " + text);
}

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// The files a new package replaces: packing one of them would read it while it is rewritten,
// and it would grow without end.
std::vector<FileIdentity> OutputIdentities(const std::string& output) {
    std::vector<FileIdentity> found;
    struct stat st {};
    for (int number = 1; number <= kLastVolume; ++number) {
        const std::string path = number == 1 ? output : VolumePath(VolumeBase(output), number);
        if (stat(path.c_str(), &st) != 0)
            break;
        found.push_back({st.st_dev, st.st_ino});
    }
    return found;
}

PackEntry MakeEntry(const fs::path& source, const std::string& name,
                    const std::vector<FileIdentity>& outputs) {
    if (!SafeRelativePath(name) || name.find_first_of("|*") != std::string::npos)
        Fail("cannot pack a file under the name \"" + name + "\"");
    struct stat st {};
    if (stat(source.c_str(), &st) != 0)
        Fail(source.string() + ": " + std::strerror(errno));
    if (std::find(outputs.begin(), outputs.end(), FileIdentity{st.st_dev, st.st_ino}) !=
        outputs.end())
        Fail(source.string() + " is the package being written and cannot be packed into it");
    return {source.string(), name, st.st_size, TimeToDosTime(st.st_mtime)};
}

std::vector<PackEntry> CollectEntries(const PackOptions& o) {
    const std::vector<FileIdentity> outputs = OutputIdentities(o.output);
    std::vector<PackEntry> entries;
    for (const auto& input : o.inputs) {
        std::error_code ec;
        if (fs::is_directory(input, ec)) {
            std::vector<fs::path> files;
            for (auto it = fs::recursive_directory_iterator(input, ec);
                 !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
                if (it->is_regular_file(ec))
                    files.push_back(it->path());
            if (ec)
                Fail(input + ": " + ec.message());
            std::sort(files.begin(), files.end());
            for (const auto& file : files)
                entries.push_back(
                    MakeEntry(file, fs::relative(file, input).generic_string(), outputs));
        } else if (fs::is_regular_file(input, ec)) {
            entries.push_back(MakeEntry(input, fs::path(input).filename().string(), outputs));
        } else {
            Fail(input + ": no such file or folder");
        }
    }
    if (o.engine.empty())
        return entries;
    const std::string engineName = o.engine.substr(0, o.engine.find('*'));
    auto engine = std::find_if(entries.begin(), entries.end(),
                               [&](const PackEntry& e) { return e.name == engineName; });
    if (engine == entries.end())
        Fail("the engine " + engineName + " is not among the packed files");
    engine->name = o.engine.find('*') == std::string::npos ? o.engine + "*" : o.engine;
    std::rotate(entries.begin(), engine, engine + 1);
    return entries;
}

std::array<std::uint32_t, 9> SpaceRequired(const std::vector<PackEntry>& entries) {
    std::array<std::uint32_t, 9> space{};
    for (std::size_t i = 0; i < space.size(); ++i) {
        const std::int64_t cluster = 256LL << i;
        std::int64_t total = 0;
        for (const auto& e : entries)
            total += (e.size + cluster - 1) / cluster * cluster;
        space[i] = static_cast<std::uint32_t>(std::min<std::int64_t>(total, UINT32_MAX));
    }
    return space;
}

// One volume file being written.
class VolumeFile {
public:
    // Written under a temporary name beside `path`, so a failed run leaves an earlier package
    // as it was.
    explicit VolumeFile(const std::string& path)
        : path_(path + ".XXXXXX") {
        fd_ = mkostemp(path_.data(), O_CLOEXEC);
        if (fd_ < 0)
            Fail(path + ": " + std::strerror(errno));
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd_, 0755 & ~mask);
    }
    ~VolumeFile() { close(fd_); }
    const std::string& Path() const { return path_; }
    VolumeFile(const VolumeFile&) = delete;
    VolumeFile& operator=(const VolumeFile&) = delete;

    std::int64_t Size() const { return size_; }
    void Append(const void* data, std::size_t length) {
        PatchAt(size_, data, length);
        size_ += static_cast<std::int64_t>(length);
    }
    void PatchAt(std::int64_t offset, const void* data, std::size_t length) {
        const char* p = static_cast<const char*>(data);
        while (length > 0) {
            ssize_t done = pwrite(fd_, p, length, offset);
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
                Fail(path_ + ": " + std::strerror(errno));
            p += done;
            offset += done;
            length -= static_cast<std::size_t>(done);
        }
    }
    void TruncateTo(std::int64_t size) {
        if (ftruncate(fd_, size) != 0)
            Fail(path_ + ": " + std::strerror(errno));
        size_ = size;
    }
    void AppendLe32(std::int32_t value) {
        unsigned char bytes[4];
        WriteLe32(bytes, static_cast<std::uint32_t>(value));
        Append(bytes, 4);
    }

private:
    std::string path_;
    int fd_ = -1;
    std::int64_t size_ = 0;
};

// Feeds a block's content: the entry header, a NUL, then the file's bytes.
class ContentSource {
public:
    explicit ContentSource(const PackEntry& entry)
        : header_("|" + entry.name + "|" + std::to_string(entry.stamp) + "|" + std::string(1, '\0'))
        , file_(entry.source) {}
    std::int64_t Size() const { return static_cast<std::int64_t>(header_.size()) + file_.Size(); }
    // Next piece of content; empty at the end.
    std::size_t Next(std::vector<char>& buffer) {
        if (headerSent_ < header_.size()) {
            std::size_t n = std::min(buffer.size(), header_.size() - headerSent_);
            std::memcpy(buffer.data(), header_.data() + headerSent_, n);
            headerSent_ += n;
            return n;
        }
        std::size_t n = file_.ReadAt(offset_, buffer.data(), buffer.size());
        offset_ += static_cast<std::int64_t>(n);
        return n;
    }

private:
    std::string header_;
    std::size_t headerSent_ = 0;
    InputFile file_;
    std::int64_t offset_ = 0;
};

void WriteStoredBlock(VolumeFile& out, const PackEntry& entry) {
    ContentSource content(entry);
    if (content.Size() > INT32_MAX)
        Fail(entry.source + ": too large for one block");
    out.AppendLe32(-static_cast<std::int32_t>(content.Size()));
    std::vector<char> buffer(kPiece);
    while (std::size_t n = content.Next(buffer))
        out.Append(buffer.data(), n);
}

// A deflated block; false (and nothing written) when it would not be smaller than stored.
bool WriteDeflatedBlock(VolumeFile& out, const PackEntry& entry, int level, bool mustDeflate) {
    ContentSource content(entry);
    const std::int64_t start = out.Size();
    out.AppendLe32(0);
    z_stream z{};
    if (deflateInit(&z, level) != Z_OK)
        Fail("deflate cannot start");
    std::vector<char> input(kPiece);
    std::vector<char> output(kPiece);
    int flush = Z_NO_FLUSH;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (z.avail_in == 0 && flush == Z_NO_FLUSH) {
            std::size_t n = content.Next(input);
            z.next_in = reinterpret_cast<Bytef*>(input.data());
            z.avail_in = static_cast<uInt>(n);
            if (n == 0)
                flush = Z_FINISH;
        }
        z.next_out = reinterpret_cast<Bytef*>(output.data());
        z.avail_out = static_cast<uInt>(output.size());
        code = deflate(&z, flush);
        out.Append(output.data(), output.size() - z.avail_out);
    }
    deflateEnd(&z);
    const std::int64_t compressed = out.Size() - start - 4;
    if ((!mustDeflate && compressed >= content.Size()) || compressed > INT32_MAX) {
        out.TruncateTo(start);
        if (mustDeflate)
            Fail(entry.source + ": too large for one block");
        return false;
    }
    unsigned char length[4];
    WriteLe32(length, static_cast<std::uint32_t>(compressed));
    out.PatchAt(start, length, 4);
    return true;
}

void WriteBlock(VolumeFile& out, const PackEntry& entry, const PackOptions& o) {
    if (o.compression == Compression::Store ||
        !WriteDeflatedBlock(out, entry, o.level, o.compression == Compression::Deflate))
        WriteStoredBlock(out, entry);
}

class Packer {
public:
    explicit Packer(const PackOptions& o)
        : o_(o)
        , stubSize_(InputFile(o.stubPath).Size()) {
        std::string stub(static_cast<std::size_t>(stubSize_), '\0');
        InputFile(o.stubPath).ReadExactly(0, stub.data(), stub.size());
        stub_ = std::move(stub);
        stubIsExecutable_ = IsExecutable(InputFile(o.stubPath));
    }

    PackResult Run() {
        for (const auto& item : {o_.updateBaseUrl, o_.infoFileName, o_.agentFileName,
                                 o_.downloadBaseUrl, o_.downloadFileName})
            CheckListItem(item, "a setting");
        entries_ = CollectEntries(o_);
        trailer_.Format = 1;
        trailer_.InfoBlockCount = o_.hasDownload ? 3 : 2;
        trailer_.DataOffset = static_cast<std::uint32_t>(stubSize_);
        trailer_.FilesCount = static_cast<std::uint32_t>(entries_.size());
        trailer_.Magic = kPackageMagic;
        trailer_.SpaceRequired = SpaceRequired(entries_);
        trailer_.Flags = o_.flags & ~SpanDisks;
        trailer_.WebPackage = o_.webPackage;
        trailer_.ConfirmDownload = o_.confirmDownload;
        trailer_.MakeAgent = o_.makeAgent;
        trailer_.IsAgent = o_.isAgent;
        trailer_.TrailerLength = kTrailerSize;
        try {
            WriteVolumes();
            for (std::size_t i = 0; i < result_.volumes.size(); ++i)
                if (rename(written_[i].c_str(), result_.volumes[i].c_str()) != 0)
                    Fail(result_.volumes[i] + ": " + std::strerror(errno));
        } catch (...) {
            volume_.reset();
            for (const auto& path : written_)
                unlink(path.c_str());
            throw;
        }
        result_.files = static_cast<int>(entries_.size());
        return result_;
    }

private:
    void WriteVolumes() {
        StartVolume();
        const std::string language =
            o_.languageIni.empty() ? BuiltInLanguageBlock() : LanguageBlockFromIni(o_.languageIni);
        WriteInfoBlock(language);
        WriteInfoBlock(Settings(o_));
        if (o_.hasDownload)
            WriteInfoBlock(DownloadSettings(o_));
        for (const auto& entry : entries_) {
            const std::int64_t start = volume_->Size();
            WriteBlock(*volume_, entry, o_);
            if (o_.volumeSize > 0 && volume_->Size() + kTrailerSize > o_.volumeSize) {
                if (filesInVolume_ == 0)
                    Fail("a volume of " + std::to_string(o_.volumeSize) + " bytes cannot hold " +
                         entry.source);
                volume_->TruncateTo(start);
                FinishVolume(true);
                StartVolume();
                WriteBlock(*volume_, entry, o_);
                if (volume_->Size() + kTrailerSize > o_.volumeSize)
                    Fail("a volume of " + std::to_string(o_.volumeSize) + " bytes cannot hold " +
                         entry.source);
            }
            ++filesInVolume_;
        }
        FinishVolume(false);
    }

    void StartVolume() {
        const int number = static_cast<int>(result_.volumes.size()) + 1;
        if (number > kLastVolume)
            Fail("more than " + std::to_string(kLastVolume) + " volumes");
        std::string path = number == 1 ? o_.output : VolumePath(VolumeBase(o_.output), number);
        volume_ = std::make_unique<VolumeFile>(path);
        written_.push_back(volume_->Path());
        result_.volumes.push_back(path);
        volume_->Append(stub_.data(), stub_.size());
        filesInVolume_ = 0;
    }

    void WriteInfoBlock(const std::string& body) {
        volume_->AppendLe32(static_cast<std::int32_t>(body.size()));
        volume_->Append(body.data(), body.size());
    }

    void FinishVolume(bool continues) {
        PackageTrailer trailer = trailer_;
        if (continues)
            trailer.Flags |= SpanDisks;
        auto bytes = trailer.Encode();
        const std::int64_t trailerAt = volume_->Size();
        volume_->Append(bytes.data(), bytes.size());
        if (stubIsExecutable_) {
            const std::uint64_t end = static_cast<std::uint64_t>(volume_->Size());
            unsigned char marker[8];
            WriteLe32(marker, static_cast<std::uint32_t>(end >> 32));
            WriteLe32(marker + 4, static_cast<std::uint32_t>(end));
            volume_->PatchAt(0xF8, marker, sizeof marker);
        }
        std::uint32_t sum = kNoChecksum;
        if (o_.checksum)
            sum = PackageChecksum(InputFile(written_.back()), kTrailerSize);
        unsigned char checksum[4];
        WriteLe32(checksum, sum);
        volume_->PatchAt(trailerAt + 16, checksum, 4);
        volume_.reset();
    }

    const PackOptions& o_;
    std::int64_t stubSize_;
    std::string stub_;
    bool stubIsExecutable_ = false;
    std::vector<PackEntry> entries_;
    PackageTrailer trailer_;
    std::unique_ptr<VolumeFile> volume_;
    int filesInVolume_ = 0;
    std::vector<std::string> written_; // the volumes' temporary names
    PackResult result_;
};

} // namespace

PackResult WritePackage(const PackOptions& options) {
    if (fs::exists(options.output) && fs::equivalent(options.output, options.stubPath))
        Fail("the output must not be the stub itself");
    return Packer(options).Run();
}

} // namespace stub
