#pragma once

#include "package/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace stub {

// Receives a block's content piece by piece.
using ContentSink = std::function<void(const char* data, std::size_t length)>;

// Streams the content of the block whose body of |length| bytes starts at bodyOffset: inflated
// when length > 0, as stored when below 0. Memory stays bounded whatever the block's size.
// A broken deflate stream raises EZLibError. pump (optional) runs after each piece read.
void StreamBlock(const InputFile& file, std::int64_t bodyOffset, std::int32_t length,
                 const ContentSink& sink, const std::function<void()>& pump = {});

// Magnitude of a block length; INT32_MIN included.
inline std::int64_t BlockBodySize(std::int32_t length) {
    return length < 0 ? -static_cast<std::int64_t>(length) : length;
}

} // namespace stub
