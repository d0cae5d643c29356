#pragma once

#include <stdexcept>

namespace stub {

// A key or signature that cannot be read, a wrong passphrase, or a signature that does not hold.
class SigningError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace stub
