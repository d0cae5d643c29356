#include "config/XmlFile.h"

#include "config/GbkCodec.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <sstream>

namespace {

QByteArray declaredEncoding(const QByteArray& head) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(^\s*<\?xml\s[^>]*?encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(head.left(256)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray("UTF-8");
}

} // namespace

bool loadXmlFile(XmlFileDocument& file, const QString& path) {
    file.doc.reset();
    file.text.clear();
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Straight to UTF-8: a batch upload file of 100 000 records is tens of megabytes.
    std::optional<QByteArray> utf8 = decodeToUtf8(bytes, declaredEncoding(bytes));
    if (!utf8)
        return false;
    bytes.clear();
    file.text = std::move(*utf8);
    const pugi::xml_parse_result parsed =
        file.doc.load_buffer_inplace(file.text.data(), static_cast<size_t>(file.text.size()),
                                     pugi::parse_default, pugi::encoding_utf8);
    return parsed && file.doc.document_element();
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
