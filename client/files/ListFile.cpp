#include "files/ListFile.h"

#include "config/GbkCodec.h"
#include "files/XmlText.h"

#include <QSaveFile>

namespace {

const QString kEol = QStringLiteral("\r\n");

// The first character of the text that GBK cannot hold, or "" when it holds them all.
QString firstUnrepresentable(const QString& value) {
    for (qsizetype k = 0; k < value.size(); ++k) {
        const qsizetype width = value.at(k).isHighSurrogate() ? 2 : 1;
        if (!encodeGbk(value.mid(k, width)))
            return value.mid(k, width);
        k += width - 1;
    }
    return {};
}

} // namespace

QString listFileRefusal(const ListFile& file, const QString& failure) {
    for (const ListFileRecord& record : file.records)
        for (const ListFileField& field : record.fields)
            if (const QString character = firstUnrepresentable(field.value); !character.isEmpty())
                return record.label + QStringLiteral("的“") + field.caption +
                       QStringLiteral("”含有GBK编码无法表示的字符“") + character +
                       QStringLiteral("”，") + failure;
    return {};
}

QString listFileText(const ListFile& file) {
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"") + file.encoding +
                  QStringLiteral("\"?>") + kEol;
    out += QLatin1Char('<') + file.root + QLatin1Char('>') + kEol;
    for (const ListFileRecord& record : file.records) {
        out += QLatin1String("\t<") + file.recordElement + QLatin1Char('>') + kEol;
        for (const ListFileField& field : record.fields)
            out += QLatin1String("\t\t<") + field.element + QLatin1Char('>') +
                   XmlText::escape(field.value) + QLatin1String("</") + field.element +
                   QLatin1Char('>') + kEol;
        out += QLatin1String("\t</") + file.recordElement + QLatin1Char('>') + kEol;
    }
    out += QLatin1String("</") + file.root + QLatin1Char('>') + kEol;
    return out;
}

ListFileWriteResult writeListFile(const QString& path, const ListFile& file,
                                  const QString& failure) {
    using Status = ListFileWriteResult::Status;
    const std::optional<QByteArray> bytes = encodeGbk(listFileText(file));
    if (!bytes)
        return {Status::Unrepresentable, listFileRefusal(file, failure)};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.commit())
        return {Status::FileError, out.errorString()};
    return {Status::Written, {}};
}
