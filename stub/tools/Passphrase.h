#pragma once

#include <string>

namespace stub {

// The environment variable that gives the passphrase to scripts, instead of the terminal.
constexpr const char* kPassphraseVariable = "STUBPACK_PASSPHRASE";

// The passphrase from kPassphraseVariable, else asked on the terminal without echo (twice when
// `confirm`). std::runtime_error when there is neither, or the two entries differ.
std::string ReadPassphrase(bool confirm);

} // namespace stub
