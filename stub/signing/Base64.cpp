#include "signing/Base64.h"

#include "signing/SigningError.h"

#include <sodium.h>

namespace stub {

std::string ToBase64(const std::uint8_t* data, std::size_t size) {
    std::string text(sodium_base64_encoded_len(size, sodium_base64_VARIANT_ORIGINAL), '\0');
    sodium_bin2base64(text.data(), text.size(), data, size, sodium_base64_VARIANT_ORIGINAL);
    text.resize(text.find('\0'));
    return text;
}

std::vector<std::uint8_t> FromBase64(const std::string& text, std::size_t size,
                                     const std::string& what) {
    std::vector<std::uint8_t> bytes(size + 1);
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(bytes.data(), bytes.size(), text.data(), text.size(), nullptr, &length,
                          &end, sodium_base64_VARIANT_ORIGINAL) != 0 ||
        end != text.data() + text.size() || length != size)
        throw SigningError(what + " is not valid");
    bytes.resize(size);
    return bytes;
}

} // namespace stub
