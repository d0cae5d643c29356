#include "XmlFile.h"

#include "GbkCodec.h"

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

bool loadXmlFile(pugi::xml_document& doc, const QString& path) {
    doc.reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Straight to UTF-8: a batch upload file of 100 000 records is tens of megabytes.
    const std::optional<QByteArray> utf8 = decodeToUtf8(bytes, declaredEncoding(bytes));
    if (!utf8)
        return false;
    bytes.clear();
    const pugi::xml_parse_result parsed =
        doc.load_buffer(utf8->constData(), static_cast<size_t>(utf8->size()), pugi::parse_default,
                        pugi::encoding_utf8);
    return parsed && doc.document_element();
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
