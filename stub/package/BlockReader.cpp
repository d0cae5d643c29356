#include "package/BlockReader.h"

#include "package/PackageError.h"

#include <memory>
#include <vector>
#include <zlib.h>

namespace stub {

namespace {

constexpr std::size_t kInputPiece = 65536;
constexpr std::size_t kOutputPiece = 256 * 1024;

struct InflateStream {
    z_stream z{};
    InflateStream() {
        if (inflateInit2(&z, 15) != Z_OK)
            throw EZLibError("inflate cannot start");
    }
    ~InflateStream() { inflateEnd(&z); }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
};

std::string ZlibMessage(const z_stream& z, int code) {
    if (z.msg)
        return z.msg;
    return code == Z_BUF_ERROR ? "unexpected end of compressed data" : zError(code);
}

} // namespace

void StreamBlock(const InputFile& file, std::int64_t bodyOffset, std::int32_t length,
                 const ContentSink& sink, const std::function<void()>& pump) {
    std::int64_t left = BlockBodySize(length);
    std::vector<char> input(kInputPiece);
    if (length < 0) {
        while (left > 0) {
            auto piece = static_cast<std::size_t>(std::min<std::int64_t>(left, kInputPiece));
            file.ReadExactly(bodyOffset, input.data(), piece);
            bodyOffset += static_cast<std::int64_t>(piece);
            left -= static_cast<std::int64_t>(piece);
            sink(input.data(), piece);
            if (pump)
                pump();
        }
        return;
    }
    if (length == 0)
        return;
    InflateStream stream;
    std::vector<char> output(kOutputPiece);
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (stream.z.avail_in == 0) {
            if (left == 0)
                throw EZLibError("unexpected end of compressed data");
            auto piece = static_cast<std::size_t>(std::min<std::int64_t>(left, kInputPiece));
            file.ReadExactly(bodyOffset, input.data(), piece);
            bodyOffset += static_cast<std::int64_t>(piece);
            left -= static_cast<std::int64_t>(piece);
            stream.z.next_in = reinterpret_cast<Bytef*>(input.data());
            stream.z.avail_in = static_cast<uInt>(piece);
            if (pump)
                pump();
        }
        stream.z.next_out = reinterpret_cast<Bytef*>(output.data());
        stream.z.avail_out = static_cast<uInt>(output.size());
        code = inflate(&stream.z, Z_NO_FLUSH);
        if (code != Z_OK && code != Z_STREAM_END &&
            !(code == Z_BUF_ERROR && stream.z.avail_in == 0))
            throw EZLibError(ZlibMessage(stream.z, code));
        std::size_t produced = output.size() - stream.z.avail_out;
        if (produced > 0)
            sink(output.data(), produced);
    }
}

} // namespace stub
