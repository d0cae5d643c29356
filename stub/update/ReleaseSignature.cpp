#include "update/ReleaseSignature.h"

#include "package/MessageBoxes.h"
#include "platform/FileSystem.h"
#include "signing/Signature.h"
#include "signing/SigningError.h"

#include <filesystem>
#include <sstream>

namespace stub {

namespace {

// A signature file is a few hundred bytes; more is not read.
constexpr std::size_t kSignatureLimit = 64 * 1024;

std::optional<std::string> ReadSignature(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return ReadFileHead(path, kSignatureLimit);
}

} // namespace

bool TrustedCommentHolds(const std::string& comment, const std::string& item) {
    const char separator = comment.find('\t') == std::string::npos ? ' ' : '\t';
    std::istringstream items(comment);
    for (std::string word; std::getline(items, word, separator);)
        if (word == item)
            return true;
    return false;
}

std::string ReleaseSignatureProblem(const ReleaseDemand& demand, const std::string& path,
                                    const std::string& signaturePath) {
    const std::string name = std::filesystem::path(path).filename().string();
    const auto signature = ReadSignature(signaturePath);
    if (!signature)
        return "Missing signature for " + LiteralText(name) + ": " + LiteralText(signaturePath);
    const std::string refused = "Signature refused for " + LiteralText(name) + ": ";
    std::string comment;
    try {
        comment = VerifyFile(ReadPublicKey(demand.publicKey), path, *signature);
    } catch (const SigningError& error) {
        return refused + LiteralText(error.what());
    }
    if (!demand.fileName.empty() && !TrustedCommentHolds(comment, "file:" + demand.fileName))
        return refused + "it is not for this file";
    if (demand.version &&
        !TrustedCommentHolds(comment, "version:" + std::to_string(*demand.version)))
        return refused + "it is not for version " + std::to_string(*demand.version);
    return {};
}

} // namespace stub
