#include "signing/Signature.h"

#include "signing/Base64.h"
#include "signing/Sodium.h"
#include "signing/TextLines.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

namespace stub {

namespace {

// "ED": Ed25519 over the file's hash; the older "Ed" over the whole file is not accepted.
constexpr std::uint8_t kPrehashed[2] = {'E', 'D'};
constexpr std::size_t kSignatureBytes = 2 + 8 + crypto_sign_BYTES;

using FileHash = std::array<std::uint8_t, crypto_generichash_BYTES_MAX>;

FileHash HashFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SigningError("cannot read " + path + ": " + std::strerror(errno));
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, crypto_generichash_BYTES_MAX);
    std::vector<char> piece(64 * 1024);
    while (in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        crypto_generichash_update(&state, reinterpret_cast<const std::uint8_t*>(piece.data()),
                                  static_cast<unsigned long long>(in.gcount()));
    }
    if (in.bad())
        throw SigningError("cannot read " + path);
    FileHash hash{};
    crypto_generichash_final(&state, hash.data(), hash.size());
    return hash;
}

// What the global signature covers: the file signature, then the trusted comment.
std::vector<std::uint8_t> GlobalMessage(const std::uint8_t* signature,
                                        const std::string& trustedComment) {
    std::vector<std::uint8_t> message(signature, signature + crypto_sign_BYTES);
    message.insert(message.end(), trustedComment.begin(), trustedComment.end());
    return message;
}

void CheckOneLine(const std::string& comment) {
    if (comment.find_first_of("\r\n") != std::string::npos)
        throw SigningError("a comment must be a single line");
}

} // namespace

std::string DefaultTrustedComment(const std::string& path) {
    return "timestamp:" + std::to_string(std::time(nullptr)) +
           "\tfile:" + std::filesystem::path(path).filename().string() + "\thashed";
}

std::string SignFile(const SecretKey& key, const std::string& path,
                     const std::string& trustedComment, const std::string& untrustedComment) {
    InitSodium();
    CheckOneLine(trustedComment);
    CheckOneLine(untrustedComment);
    FileHash hash = HashFile(path);
    std::uint8_t signature[kSignatureBytes];
    std::memcpy(signature, kPrehashed, 2);
    std::memcpy(signature + 2, key.id.data(), key.id.size());
    crypto_sign_detached(signature + 10, nullptr, hash.data(), hash.size(), key.key.data());
    auto message = GlobalMessage(signature + 10, trustedComment);
    std::uint8_t global[crypto_sign_BYTES];
    crypto_sign_detached(global, nullptr, message.data(), message.size(), key.key.data());
    return std::string(kUntrustedPrefix) + untrustedComment + "\n" +
           ToBase64(signature, sizeof signature) + "\n" + kTrustedPrefix + trustedComment + "\n" +
           ToBase64(global, sizeof global) + "\n";
}

std::string VerifyFile(const PublicKey& key, const std::string& path,
                       const std::string& signatureText) {
    InitSodium();
    auto lines = TextLines(signatureText);
    if (lines.size() < 4 || lines[0].rfind(kUntrustedPrefix, 0) != 0 ||
        lines[2].rfind(kTrustedPrefix, 0) != 0)
        throw SigningError("not a signature file");
    auto signature = FromBase64(lines[1], kSignatureBytes, "the signature");
    const std::string trustedComment = lines[2].substr(std::strlen(kTrustedPrefix));
    auto global = FromBase64(lines[3], crypto_sign_BYTES, "the global signature");
    if (std::memcmp(signature.data(), kPrehashed, 2) != 0)
        throw SigningError("the signature uses an unsupported algorithm (sign with the file "
                           "hashed, as minisign does by default)");
    if (std::memcmp(signature.data() + 2, key.id.data(), key.id.size()) != 0) {
        KeyId other{};
        std::memcpy(other.data(), signature.data() + 2, other.size());
        throw SigningError("the signature was made with key " + KeyIdText(other) +
                           ", not with the public key " + KeyIdText(key.id));
    }
    FileHash hash = HashFile(path);
    if (crypto_sign_verify_detached(signature.data() + 10, hash.data(), hash.size(),
                                    key.key.data()) != 0)
        throw SigningError("the signature does not match " + path);
    auto message = GlobalMessage(signature.data() + 10, trustedComment);
    if (crypto_sign_verify_detached(global.data(), message.data(), message.size(),
                                    key.key.data()) != 0)
        throw SigningError("the trusted comment does not match its signature");
    return trustedComment;
}

} // namespace stub
