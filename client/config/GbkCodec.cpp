#include "config/GbkCodec.h"

#include <iconv.h>

#include <cerrno>

namespace {

std::optional<QByteArray> convert(const QByteArray& input, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray out(input.size() * 2 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    size_t used = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* dst = out.data() + used;
        size_t dstLeft = static_cast<size_t>(out.size()) - used;
        const size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        used = static_cast<size_t>(dst - out.data());
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        out.resize(out.size() * 2);
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(static_cast<qsizetype>(used));
    return out;
}

QByteArray iconvName(const QByteArray& encoding) {
    const QByteArray name = encoding.trimmed().toUpper();
    if (name == "GB2312" || name == "GBK" || name == "CP936" || name == "GB18030")
        return "GB18030";
    return name;
}

} // namespace

std::optional<QByteArray> encodeGbk(const QString& text) {
    return convert(text.toUtf8(), "UTF-8", "GBK");
}

std::optional<QByteArray> decodeToUtf8(const QByteArray& bytes, const QByteArray& encoding) {
    return convert(bytes, iconvName(encoding).constData(), "UTF-8");
}

std::optional<QString> decodeText(const QByteArray& bytes, const QByteArray& encoding) {
    const std::optional<QByteArray> utf8 = decodeToUtf8(bytes, encoding);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}
