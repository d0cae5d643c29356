#include "signing/Keys.h"

#include "signing/Base64.h"
#include "signing/Sodium.h"
#include "signing/TextLines.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace stub {

namespace {

constexpr std::uint8_t kEd25519[2] = {'E', 'd'};
constexpr std::uint8_t kScrypt[2] = {'S', 'c'};
constexpr std::uint8_t kNoKdf[2] = {0, 0};
constexpr std::uint8_t kBlake2b[2] = {'B', '2'};

// The secret key file's bytes: algorithms, salt, limits, then the part that a passphrase hides.
constexpr std::size_t kSaltAt = 6;
constexpr std::size_t kOpsAt = kSaltAt + crypto_pwhash_scryptsalsa208sha256_SALTBYTES;
constexpr std::size_t kMemAt = kOpsAt + 8;
constexpr std::size_t kHiddenAt = kMemAt + 8;
constexpr std::size_t kChecksumBytes = 32;
constexpr std::size_t kHiddenBytes = 8 + 64 + kChecksumBytes;
constexpr std::size_t kSecretFileBytes = kHiddenAt + kHiddenBytes;
constexpr std::size_t kPublicFileBytes = 2 + 8 + 32;

static_assert(crypto_sign_PUBLICKEYBYTES == 32 && crypto_sign_SECRETKEYBYTES == 64);

void PutLittle(std::uint8_t* at, std::uint64_t value) {
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittle(const std::uint8_t* at) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

std::array<std::uint8_t, kChecksumBytes> KeyChecksum(const SecretKey& key) {
    std::array<std::uint8_t, kChecksumBytes> sum{};
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, sum.size());
    crypto_generichash_update(&state, kEd25519, sizeof kEd25519);
    crypto_generichash_update(&state, key.id.data(), key.id.size());
    crypto_generichash_update(&state, key.key.data(), key.key.size());
    crypto_generichash_final(&state, sum.data(), sum.size());
    return sum;
}

// XORs the hidden part with the key stream that the passphrase derives.
void ApplyPassphrase(std::vector<std::uint8_t>& bytes, const std::string& passphrase) {
    std::vector<std::uint8_t> stream(kHiddenBytes);
    if (crypto_pwhash_scryptsalsa208sha256(
            stream.data(), stream.size(), passphrase.data(), passphrase.size(),
            bytes.data() + kSaltAt, GetLittle(bytes.data() + kOpsAt),
            static_cast<std::size_t>(GetLittle(bytes.data() + kMemAt))) != 0)
        throw SigningError("the key cannot be derived from the passphrase (out of memory?)");
    for (std::size_t i = 0; i < kHiddenBytes; ++i)
        bytes[kHiddenAt + i] ^= stream[i];
    sodium_memzero(stream.data(), stream.size());
}

std::vector<std::uint8_t> SecretKeyBytes(const std::string& text) {
    auto lines = TextLines(text);
    if (lines.size() < 2 || lines[0].rfind(kUntrustedPrefix, 0) != 0)
        throw SigningError("not a secret key file");
    auto bytes = FromBase64(lines[1], kSecretFileBytes, "the secret key");
    if (std::memcmp(bytes.data(), kEd25519, 2) != 0 || std::memcmp(bytes.data() + 4, kBlake2b, 2))
        throw SigningError("the secret key uses an unsupported algorithm");
    if (std::memcmp(bytes.data() + 2, kScrypt, 2) != 0 && std::memcmp(bytes.data() + 2, kNoKdf, 2))
        throw SigningError("the secret key is protected in an unsupported way");
    return bytes;
}

bool SeedMatchesPublicHalf(const SecretKey& key) {
    std::array<std::uint8_t, 32> pub{};
    std::array<std::uint8_t, 64> derived{};
    crypto_sign_seed_keypair(pub.data(), derived.data(), key.key.data());
    bool same = sodium_memcmp(derived.data(), key.key.data(), derived.size()) == 0;
    sodium_memzero(derived.data(), derived.size());
    return same;
}

} // namespace

SecretKey::~SecretKey() {
    sodium_memzero(key.data(), key.size());
}

PublicKey SecretKey::Public() const {
    PublicKey pub;
    pub.id = id;
    crypto_sign_ed25519_sk_to_pk(pub.key.data(), key.data());
    return pub;
}

KdfLimits SensitiveLimits() {
    return {crypto_pwhash_scryptsalsa208sha256_OPSLIMIT_SENSITIVE,
            crypto_pwhash_scryptsalsa208sha256_MEMLIMIT_SENSITIVE};
}

KdfLimits InteractiveLimits() {
    return {crypto_pwhash_scryptsalsa208sha256_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_scryptsalsa208sha256_MEMLIMIT_INTERACTIVE};
}

SecretKey GenerateKey() {
    InitSodium();
    SecretKey key;
    std::array<std::uint8_t, 32> pub{};
    crypto_sign_keypair(pub.data(), key.key.data());
    randombytes_buf(key.id.data(), key.id.size());
    return key;
}

std::string KeyIdText(const KeyId& id) {
    char text[17];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(GetLittle(id.data())));
    return text;
}

std::string PublicKeyLine(const PublicKey& key) {
    std::uint8_t bytes[kPublicFileBytes];
    std::memcpy(bytes, kEd25519, 2);
    std::memcpy(bytes + 2, key.id.data(), key.id.size());
    std::memcpy(bytes + 10, key.key.data(), key.key.size());
    return ToBase64(bytes, sizeof bytes);
}

std::string PublicKeyFileText(const PublicKey& key) {
    return std::string(kUntrustedPrefix) + "minisign public key " + KeyIdText(key.id) + "\n" +
           PublicKeyLine(key) + "\n";
}

PublicKey ReadPublicKey(const std::string& text) {
    InitSodium();
    auto lines = TextLines(text);
    std::size_t at = !lines.empty() && lines[0].rfind(kUntrustedPrefix, 0) == 0 ? 1 : 0;
    if (lines.size() <= at)
        throw SigningError("not a public key");
    auto bytes = FromBase64(lines[at], kPublicFileBytes, "the public key");
    if (std::memcmp(bytes.data(), kEd25519, 2) != 0)
        throw SigningError("the public key uses an unsupported algorithm");
    PublicKey key;
    std::memcpy(key.id.data(), bytes.data() + 2, key.id.size());
    std::memcpy(key.key.data(), bytes.data() + 10, key.key.size());
    return key;
}

std::string SecretKeyFileText(const SecretKey& key, const std::optional<std::string>& passphrase,
                              KdfLimits limits) {
    InitSodium();
    std::vector<std::uint8_t> bytes(kSecretFileBytes, 0);
    std::memcpy(bytes.data(), kEd25519, 2);
    std::memcpy(bytes.data() + 2, passphrase ? kScrypt : kNoKdf, 2);
    std::memcpy(bytes.data() + 4, kBlake2b, 2);
    std::uint8_t* hidden = bytes.data() + kHiddenAt;
    std::memcpy(hidden, key.id.data(), key.id.size());
    std::memcpy(hidden + 8, key.key.data(), key.key.size());
    auto sum = KeyChecksum(key);
    std::memcpy(hidden + 8 + 64, sum.data(), sum.size());
    if (passphrase) {
        randombytes_buf(bytes.data() + kSaltAt, crypto_pwhash_scryptsalsa208sha256_SALTBYTES);
        PutLittle(bytes.data() + kOpsAt, limits.opsLimit);
        PutLittle(bytes.data() + kMemAt, limits.memLimit);
        ApplyPassphrase(bytes, *passphrase);
    }
    std::string text = std::string(kUntrustedPrefix) + "minisign encrypted secret key\n" +
                       ToBase64(bytes.data(), bytes.size()) + "\n";
    sodium_memzero(bytes.data(), bytes.size());
    return text;
}

bool SecretKeyIsEncrypted(const std::string& text) {
    InitSodium();
    return std::memcmp(SecretKeyBytes(text).data() + 2, kScrypt, 2) == 0;
}

SecretKey ReadSecretKey(const std::string& text, const std::string& passphrase) {
    InitSodium();
    auto bytes = SecretKeyBytes(text);
    bool encrypted = std::memcmp(bytes.data() + 2, kScrypt, 2) == 0;
    if (encrypted)
        ApplyPassphrase(bytes, passphrase);
    SecretKey key;
    const std::uint8_t* hidden = bytes.data() + kHiddenAt;
    std::memcpy(key.id.data(), hidden, key.id.size());
    std::memcpy(key.key.data(), hidden + 8, key.key.size());
    auto sum = KeyChecksum(key);
    const std::uint8_t* stored = hidden + 8 + 64;
    // The minisign tool leaves the checksum of a key without passphrase zero.
    bool sound = sodium_memcmp(sum.data(), stored, sum.size()) == 0 ||
                 (!encrypted && sodium_is_zero(stored, kChecksumBytes));
    sound = sound && SeedMatchesPublicHalf(key);
    sodium_memzero(bytes.data(), bytes.size());
    if (!sound)
        throw SigningError(encrypted ? "wrong passphrase for the secret key"
                                     : "the secret key is damaged");
    return key;
}

} // namespace stub
