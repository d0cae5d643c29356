#include "files/LineFileWriter.h"

#include "config/GbkCodec.h"
#include "files/XmlText.h"

#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

// Records are encoded and written a few at a time: the buffers stay small enough to be reused
// from the heap instead of being mapped afresh for every chunk.
const qsizetype kRecordsPerChunk = 64;

const QLatin1String kEol("\r\n");

void indent(QString& out, int depth) {
    for (int i = 0; i < depth; ++i)
        out += QLatin1Char('\t');
}

qsizetype firstUnrepresentable(const AppendRecordLines& appendRecord, qsizetype first,
                               qsizetype end) {
    QString lines;
    for (qsizetype i = first; i < end; ++i) {
        lines.clear();
        appendRecord(lines, i);
        if (!encodeGbk(lines))
            return i;
    }
    return -1;
}

} // namespace

namespace XmlLines {

void appendElement(QString& out, int depth, const char* name, const QString& value) {
    indent(out, depth);
    out += QLatin1Char('<');
    out += QLatin1String(name);
    out += QLatin1Char('>');
    out += XmlText::escape(value);
    out += QLatin1String("</");
    out += QLatin1String(name);
    out += QLatin1Char('>');
    out += kEol;
}

void appendTag(QString& out, int depth, const char* tag) {
    indent(out, depth);
    out += QLatin1String(tag);
    out += kEol;
}

QString uploadFileHead(const char* root, const QString& date, const QString& sumMoney,
                       const QString& sumRecords) {
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n");
    appendTag(out, 0, QByteArray("<") + root + ">");
    appendTag(out, 1, "<Summary>");
    appendElement(out, 2, "CurrencyType", QStringLiteral("01"));
    appendElement(out, 2, "Date", date);
    appendElement(out, 2, "SumMoney", sumMoney);
    appendElement(out, 2, "SumRecords", sumRecords);
    appendTag(out, 1, "</Summary>");
    appendTag(out, 1, "<RecordList>");
    return out;
}

QString uploadFileTail(const char* root) {
    QString out;
    appendTag(out, 1, "</RecordList>");
    appendTag(out, 0, QByteArray("</") + root + ">");
    return out;
}

} // namespace XmlLines

LineFileResult writeGbkLineFile(const QString& path, const QString& head, qsizetype count,
                                const AppendRecordLines& appendRecord, const QString& tail) {
    using Status = LineFileResult::Status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Status::FileError, -1, file.errorString()};
    // Nothing reaches the chosen name unless every piece encodes and is written.
    const auto write = [&file](const std::optional<QByteArray>& bytes) {
        return file.write(*bytes) == bytes->size();
    };
    const std::optional<QByteArray> headBytes = encodeGbk(head);
    const std::optional<QByteArray> tailBytes = encodeGbk(tail);
    if (!headBytes || !tailBytes) {
        file.cancelWriting();
        return {Status::Unrepresentable, -1, {}};
    }
    if (!write(headBytes))
        return {Status::FileError, -1, file.errorString()};
    QString chunk;
    for (qsizetype first = 0; first < count; first += kRecordsPerChunk) {
        const qsizetype end = std::min(count, first + kRecordsPerChunk);
        chunk.clear();
        for (qsizetype i = first; i < end; ++i)
            appendRecord(chunk, i);
        const std::optional<QByteArray> bytes = encodeGbk(chunk);
        if (!bytes) {
            file.cancelWriting();
            return {Status::Unrepresentable, firstUnrepresentable(appendRecord, first, end), {}};
        }
        if (!write(bytes))
            return {Status::FileError, -1, file.errorString()};
    }
    if (!write(tailBytes) || !file.commit())
        return {Status::FileError, -1, file.errorString()};
    return {};
}

QString firstNonGbkCharacter(const QString& text) {
    for (qsizetype k = 0; k < text.size(); ++k) {
        const qsizetype width = text.at(k).isHighSurrogate() && k + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(k, width);
        if (!encodeGbk(character))
            return character;
        k += width - 1;
    }
    return {};
}
