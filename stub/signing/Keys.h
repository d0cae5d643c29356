#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace stub {

// Keys in the text form of the minisign tool: Ed25519, an 8-byte key id, base64 lines under an
// "untrusted comment:" line.
using KeyId = std::array<std::uint8_t, 8>;

struct PublicKey {
    KeyId id{};
    std::array<std::uint8_t, 32> key{};
};

struct SecretKey {
    KeyId id{};
    std::array<std::uint8_t, 64> key{}; // libsodium's form: the seed, then the public key
    SecretKey() = default;
    SecretKey(const SecretKey& other) = default;
    SecretKey& operator=(const SecretKey& other) = default;
    ~SecretKey();
    PublicKey Public() const;
};

// The cost of deriving the key stream from a passphrase (scrypt), stored in the secret key.
struct KdfLimits {
    std::uint64_t opsLimit;
    std::uint64_t memLimit;
};
KdfLimits SensitiveLimits();   // what the minisign tool uses: about 1 GiB of memory
KdfLimits InteractiveLimits(); // cheap, for tests

SecretKey GenerateKey();

// The key id as the minisign tool shows it: upper-case hex, without leading zeros.
std::string KeyIdText(const KeyId& id);
// The base64 line alone, and the whole .pub file.
std::string PublicKeyLine(const PublicKey& key);
std::string PublicKeyFileText(const PublicKey& key);
// A .pub file's text or a bare base64 line. SigningError when it is no Ed25519 public key.
PublicKey ReadPublicKey(const std::string& text);

// The secret key file; without a passphrase it is stored unencrypted.
std::string SecretKeyFileText(const SecretKey& key, const std::optional<std::string>& passphrase,
                              KdfLimits limits = SensitiveLimits());
// Whether the secret key file needs a passphrase; SigningError when it is no secret key.
bool SecretKeyIsEncrypted(const std::string& text);
// SigningError for a damaged file or a wrong passphrase (ignored for an unencrypted key).
SecretKey ReadSecretKey(const std::string& text, const std::string& passphrase);

} // namespace stub
