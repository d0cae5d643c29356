#pragma once

#include <stdexcept>
#include <string>

namespace stub {

// A package that cannot be read as one: damaged, truncated or hostile.
class PackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file block whose deflate stream is broken; carries zlib's message text.
class EZLibError : public PackageError {
public:
    using PackageError::PackageError;
};

} // namespace stub
