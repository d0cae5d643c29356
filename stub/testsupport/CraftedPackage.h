#pragma once

// Hand-made package bytes and a scratch folder for the stub's tests.

#include "package/ByteOrder.h"
#include "package/LanguageDefaults.h"
#include "package/MessageBoxes.h"
#include "package/PackageTrailer.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>
#include <zlib.h>

namespace stubtest {

inline std::string Le32(std::int32_t value) {
    unsigned char bytes[4];
    stub::WriteLe32(bytes, static_cast<std::uint32_t>(value));
    return std::string(reinterpret_cast<char*>(bytes), 4);
}

inline std::string FileContent(const std::string& name, const std::string& bytes,
                               const std::string& stamp = "0") {
    return "|" + name + "|" + stamp + "|" + std::string(1, '\0') + bytes;
}

inline std::string StoredBlock(const std::string& content) {
    return Le32(-static_cast<std::int32_t>(content.size())) + content;
}

inline std::string InfoBlock(const std::string& body) {
    return Le32(static_cast<std::int32_t>(body.size())) + body;
}

inline std::string DeflatedBlock(const std::string& content) {
    uLongf size = compressBound(static_cast<uLong>(content.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(content.data()), static_cast<uLong>(content.size()),
              6);
    out.resize(size);
    return Le32(static_cast<std::int32_t>(out.size())) + out;
}

inline std::string DefaultLanguage() {
    return "\x02\x01"
           "English\x01s0=Crafted\x01\x02";
}

// A package: a program image, blocks and a trailer; checksum 1234 (not checked) unless set.
struct CraftedPackage {
    std::string image = std::string(600, 'I');
    std::vector<std::string> blocks = {InfoBlock(DefaultLanguage()),
                                       InfoBlock("|http://|.info|.exe||0|")};
    stub::PackageTrailer trailer = DefaultTrailer();

    static stub::PackageTrailer DefaultTrailer() {
        stub::PackageTrailer t;
        t.Format = 1;
        t.InfoBlockCount = 2;
        t.Magic = stub::kPackageMagic;
        t.Checksum = stub::kNoChecksum;
        t.TrailerLength = stub::kTrailerSize;
        return t;
    }

    std::string Bytes() const {
        stub::PackageTrailer t = trailer;
        t.DataOffset = static_cast<std::uint32_t>(image.size());
        std::string bytes = image;
        for (const auto& block : blocks)
            bytes += block;
        auto encoded = t.Encode();
        return bytes + std::string(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    }
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A private scratch folder removed at the end of the test.
struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "stubtest-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// Message boxes that record every box and answer from a script; an action may run before an
// answer is given (for example to insert the next volume).
struct RecordedBox {
    std::string kind;
    std::string text;
    std::string caption;
};

class RecordingBoxes : public stub::MessageBoxes {
public:
    std::vector<RecordedBox> shown;
    std::deque<bool> answers;
    std::function<void()> beforeAnswer;

    void ShowError(const std::string& text, const std::string& caption, int,
                   const std::string&) override {
        shown.push_back({"error", text, caption});
    }
    void ShowInfo(const std::string& text, const std::string& caption, int, int,
                  const std::string&) override {
        shown.push_back({"info", text, caption});
    }
    bool AskYesNo(const std::string& text, const std::string& caption, int,
                  const std::string&) override {
        return Answer("yesno", text, caption);
    }
    bool AskOkCancel(const std::string& text, const std::string& caption, int,
                     const std::string&) override {
        return Answer("okcancel", text, caption);
    }

private:
    bool Answer(const std::string& kind, const std::string& text, const std::string& caption) {
        shown.push_back({kind, text, caption});
        if (beforeAnswer)
            beforeAnswer();
        if (answers.empty())
            return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace stubtest
