#include "config/XmlFile.h"

#include "config/GbkCodec.h"
#include "config/XmlWellFormed.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray declaredEncoding(const QByteArray& head) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(^\s*<\?xml\s[^>]*?encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(head.left(256)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray("UTF-8");
}

} // namespace

XmlLoadResult loadXmlFile(XmlFileDocument& file, const QString& path) {
    using Status = XmlLoadResult::Status;
    file.doc.reset();
    file.text.clear();
    // Opened without blocking and checked on the open file: a named pipe would wait for a
    // writer, a device would be read without end.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {Status::Unreadable, QStringLiteral("无法打开文件 %1：%2")
                                        .arg(path, QString::fromLocal8Bit(std::strerror(errno)))};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {Status::Refused, QStringLiteral("%1 不是普通文件，不能读取").arg(path)};
    }
    if (info.st_size > kMaxXmlFileSize) {
        ::close(fd);
        return {Status::Refused, QStringLiteral("文件 %1 超过 1 GB，不是本系统的文件").arg(path)};
    }
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Status::Unreadable, QStringLiteral("无法读取文件 %1").arg(path)};
    }
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || bytes.size() > kMaxXmlFileSize)
        return {Status::Unreadable, QStringLiteral("无法读取文件 %1").arg(path)};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Straight to UTF-8: a batch upload file of 100 000 records is tens of megabytes.
    std::optional<QByteArray> utf8 = decodeToUtf8(bytes, declaredEncoding(bytes));
    if (!utf8)
        return {Status::NotWellFormed, {}};
    bytes.clear();
    file.text = std::move(*utf8);
    if (!isWellFormedXmlText(
            std::string_view(file.text.constData(), static_cast<size_t>(file.text.size()))))
        return {Status::NotWellFormed, {}};
    const pugi::xml_parse_result parsed =
        file.doc.load_buffer_inplace(file.text.data(), static_cast<size_t>(file.text.size()),
                                     pugi::parse_default, pugi::encoding_utf8);
    if (!parsed || !file.doc.document_element())
        return {Status::NotWellFormed, {}};
    return {};
}

bool saveGb2312Xml(const pugi::xml_document& doc, const QString& path) {
    std::ostringstream body;
    doc.save(body, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    const QString text = QStringLiteral("<?xml version='1.0' encoding='gb2312'?>\r\n") +
                         QString::fromStdString(body.str()) + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = encodeGbk(text);
    if (!bytes)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Without commit() the temporary file is discarded and the old file stays.
    return file.write(*bytes) == bytes->size() && file.commit();
}
