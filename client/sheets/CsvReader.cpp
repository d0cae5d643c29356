#include "sheets/CsvReader.h"

#include "config/GbkCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr qint64 kMaxCsvBytes = 64LL * 1024 * 1024;

std::optional<QString> decoded(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeText(bytes, QByteArrayLiteral("GBK"));
}

QChar separatorOf(const QString& text) {
    qsizetype comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++comma;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolon;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tab;
    }
    if (tab > comma && tab >= semicolon)
        return QLatin1Char('\t');
    if (semicolon > comma)
        return QLatin1Char(';');
    return QLatin1Char(',');
}

} // namespace

SheetReadResult parseCsvSheet(const QByteArray& bytes, const QString& path) {
    SheetReadResult result;
    const std::optional<QString> text = decoded(bytes);
    if (!text) {
        result.message = QStringLiteral("表格文件的编码无法识别：") + path;
        return result;
    }
    const QChar separator = separatorOf(*text);
    SheetRow row{1, {}};
    QString value;
    bool quoted = false;
    bool wasQuoted = false;
    qsizetype cells = 0;
    const auto endValue = [&] {
        ++cells;
        if (static_cast<qsizetype>(row.cells.size()) < kMaxSheetColumns)
            row.cells.push_back({wasQuoted ? value : value.trimmed(), false});
        value.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endValue();
        bool blank = true;
        for (const SheetCell& cell : row.cells)
            blank = blank && cell.text.trimmed().isEmpty();
        if (!blank)
            result.table.rows.push_back(std::move(row));
        row = SheetRow{row.number + 1, {}};
    };
    const qsizetype size = text->size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text->at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < size && text->at(i + 1) == QLatin1Char('"')) {
                value += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                value += c;
            }
        } else if (c == QLatin1Char('"') && value.trimmed().isEmpty()) {
            quoted = true;
            wasQuoted = true;
            value.clear();
        } else if (c == separator) {
            endValue();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text->at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            value += c;
        }
        if (cells > kMaxSheetCells) {
            result.table = {};
            result.message = QStringLiteral("表格文件过大，拒绝读取：") + path;
            return result;
        }
    }
    if (!value.isEmpty() || !row.cells.empty() || wasQuoted)
        endRow();
    result.sheetNames << QFileInfo(path).completeBaseName();
    result.ok = true;
    return result;
}

SheetReadResult readCsvSheet(const QString& path) {
    SheetReadResult result;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxCsvBytes) {
        result.message = (info.exists() ? QStringLiteral("表格文件过大或不是普通文件，拒绝读取：")
                                        : QStringLiteral("表格文件不存在：")) +
                         path;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = QStringLiteral("表格文件无法读取：") + path;
        return result;
    }
    return parseCsvSheet(file.read(kMaxCsvBytes + 1), path);
}
