#include "update/CycleDownload.h"

#include "package/Descramble.h"
#include "package/MessageBoxes.h"
#include "package/TGFileInfo.h"
#include "platform/FileSystem.h"
#include "update/NotFoundPage.h"
#include "update/ReleaseSignature.h"
#include "update/UpdateNames.h"

#include <filesystem>

namespace stub {

namespace {

constexpr const char* kBadToken = "Bad Secret Token!";

// Copies a local file into place through a temporary name, so a reader never sees half of it.
bool CopyInto(const std::string& source, const std::string& destination, std::string& error) {
    const std::string temporary = destination + ".part-copy";
    std::error_code failure;
    std::filesystem::remove(temporary, failure);
    if (!std::filesystem::copy_file(source, temporary, failure) ||
        (std::filesystem::rename(temporary, destination, failure), failure)) {
        std::filesystem::remove(temporary, failure);
        error = "Unable to copy " + LiteralText(source) + ": " + LiteralText(failure.message());
        return false;
    }
    return true;
}

bool TokenFits(const CycleDownloadRequest& request, const std::string& path) {
    if (request.kind == CycleFile::Update)
        return TokensMatch(TGFileInfo(path).Setting(SettingsItem::SecretToken), request.ownToken);
    return TokensMatch(InformFileToken(ReadFileHead(path, 64 * 1024)), request.ownToken);
}

std::vector<std::string> InformItems(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty() || text[0] != '|')
        return items;
    std::size_t at = 1;
    while (items.size() < 4) {
        const std::size_t bar = text.find('|', at);
        if (bar == std::string::npos)
            break;
        items.push_back(text.substr(at, bar - at));
        at = bar + 1;
    }
    items.push_back(text.substr(at));
    return items;
}

} // namespace

std::string InformFileToken(const std::string& text) {
    const auto items = InformItems(text.substr(0, text.find('\n')));
    return items.size() > 1 ? items[0] : std::string();
}

std::string InformFileMessage(const std::string& text) {
    const auto items = InformItems(text);
    return items.size() == 5 ? items[4] : std::string();
}

CycleDownloadResult DownloadForCycle(const CycleDownloadRequest& request) {
    CycleDownloadResult result;
    auto debug = [&request](const std::string& line) {
        if (request.debugLog)
            request.debugLog(line);
    };
    if (const auto refused = RefusedUpdateFileName(request.name, request.ownFiles);
        !refused.empty() && request.kind != CycleFile::Info) {
        result.error = "Refused file name: " + LiteralText(refused);
        debug("ERROR: " + result.error);
        return result;
    }
    result.path = (std::filesystem::path(request.agentFolder) / request.name).string();
    const std::string local = LocalSource(request.base, request.name);
    result.fromLocal = IsLocalBase(request.base, request.localAllowed) && PathExists(local) &&
                       std::filesystem::is_regular_file(local);
    ProcessLog(" DownloadFileAU: " + std::string(result.fromLocal ? "TRUE" : "FALSE"));
    const std::string source = result.fromLocal ? local : request.base + "/" + request.name;
    auto fetch = [&](const std::string& from, const std::string& to, std::string& error) {
        debug("Download START: " + from);
        bool ok = false;
        if (result.fromLocal)
            ok = CopyInto(from, to, error);
        else if (request.networkAllowed)
            ok = HttpDownloadFile(from, to, error, request.hooks);
        else
            error = "No network access for " + LiteralText(from);
        debug("Download END:   " + from);
        return ok;
    };
    result.ok = fetch(source, result.path, result.error);
    if (!result.ok)
        return result;
    if (!request.publicKey.empty()) {
        const std::string signaturePath = result.path + ".minisig";
        std::error_code ignored;
        // A leftover would be resumed instead of fetched afresh.
        std::filesystem::remove(signaturePath, ignored);
        std::string error;
        if (!fetch(source + ".minisig", signaturePath, error))
            result.error = "Missing signature for " + LiteralText(request.name) + ": " + error;
        else
            result.error = ReleaseSignatureProblem(
                {request.publicKey, request.kind == CycleFile::Info ? "" : request.name,
                 request.kind == CycleFile::Update ? std::optional(request.signedVersion)
                                                   : std::nullopt},
                result.path, signaturePath);
        std::filesystem::remove(signaturePath, ignored);
        if (!result.error.empty()) {
            result.ok = false;
            std::filesystem::remove(result.path, ignored);
            ProcessLog("ERROR: " + result.error);
            debug("ERROR: " + result.error);
            return result;
        }
    }
    const std::string head = ReadFileHead(result.path, kNotFoundPageScan);
    const std::string pageText = NotFoundPageText(head, source, false, "");
    if (request.kind == CycleFile::Info) {
        if (!pageText.empty()) {
            result.ok = false;
            result.error = pageText;
        }
    } else if (!TokenFits(request, result.path)) {
        result.ok = false;
        result.error = pageText.empty() ? kBadToken : pageText;
    }
    if (!result.ok) {
        std::error_code ignored;
        std::filesystem::remove(result.path, ignored);
        debug("ERROR: " + result.error);
    }
    return result;
}

} // namespace stub
