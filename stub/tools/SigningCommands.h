#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace stub {

// stubpack keygen, sign and verify-signature: the arguments after the command word. Bad usage
// raises std::invalid_argument; the result is the exit status.
int Keygen(const std::vector<std::string>& args, std::ostream& out);
int Sign(const std::vector<std::string>& args, std::ostream& out);
int VerifySignature(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The base64 line of the public key in the file at path; std::runtime_error when it holds none.
std::string PublicKeyLineOf(const std::string& path);

} // namespace stub
