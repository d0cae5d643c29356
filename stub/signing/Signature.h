#pragma once

#include "signing/Keys.h"

#include <string>

namespace stub {

// The trusted comment that signing gives by default: the time and the file's name.
std::string DefaultTrustedComment(const std::string& path);

// The text of FILE.minisig: Ed25519 over the file's BLAKE2b-512 hash, and a global signature
// over that signature and the trusted comment. SigningError when the file cannot be read or a
// comment spans lines.
std::string SignFile(const SecretKey& key, const std::string& path,
                     const std::string& trustedComment,
                     const std::string& untrustedComment = "signature from stubpack secret key");

// Checks a .minisig text against the file and the key; returns the trusted comment. SigningError
// saying why the signature does not hold.
std::string VerifyFile(const PublicKey& key, const std::string& path,
                       const std::string& signatureText);

} // namespace stub
