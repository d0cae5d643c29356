#pragma once

#include "signing/SigningError.h"

#include <sodium.h>

namespace stub {

// libsodium must be initialised once before its first use; later calls are cheap.
inline void InitSodium() {
    if (sodium_init() < 0)
        throw SigningError("the cryptography library cannot start");
}

} // namespace stub
