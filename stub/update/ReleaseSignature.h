#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace stub {

// What a publisher's signature must show before a downloaded file is used.
struct ReleaseDemand {
    std::string publicKey;               // the base64 line of UpdatePublicKey
    std::string fileName;                // its comment must hold "file:NAME"; empty: not checked
    std::optional<std::int64_t> version; // its comment must hold "version:V"
};

// The items of a trusted comment: separated by tabs, as minisign writes them, so that a name may
// hold blanks; a comment without a tab is separated at blanks.
bool TrustedCommentHolds(const std::string& comment, const std::string& item);

// Empty when the .minisig file at signaturePath holds for the file at path and the demand; else
// why the file is refused: box markup naming the file.
std::string ReleaseSignatureProblem(const ReleaseDemand& demand, const std::string& path,
                                    const std::string& signaturePath);

} // namespace stub
