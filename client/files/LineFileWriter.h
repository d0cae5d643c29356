#pragma once

#include <QString>

#include <functional>
#include <vector>

// What every upload and list file writer of the client shares: one element per line, indented
// by tabs and ended by CR LF, values escaped, and the whole file written as GBK bytes to a
// temporary name that is renamed into place only when every line was written.
namespace XmlLines {

// `<name>escaped value</name>` on a line of its own.
void appendElement(QString& out, int depth, const char* name, const QString& value);
// A bare tag such as `<Record>` or `</Record>` on a line of its own.
void appendTag(QString& out, int depth, const char* tag);

// The lines of an upload file before its records: the declaration, the root, the summary
// (CurrencyType 01, Date, SumMoney, SumRecords) and the opening RecordList tag.
QString uploadFileHead(const char* root, const QString& date, const QString& sumMoney,
                       const QString& sumRecords);
// The lines after its records.
QString uploadFileTail(const char* root);

} // namespace XmlLines

struct LineFileResult {
    enum class Status { Written, Unrepresentable, FileError };
    Status status = Status::Written;
    // Unrepresentable: the record (0 for the first) whose lines GBK cannot hold; -1 when it is
    // the head or the tail.
    qsizetype record = -1;
    QString detail; // FileError: what the system said
};

// Appends the lines of the record at a position (0 for the first).
using AppendRecordLines = std::function<void(QString& out, qsizetype index)>;

// Writes `head`, the lines of `count` records and `tail`. A character that GBK cannot hold
// stops the write: the temporary file is dropped and an existing file keeps its old content.
LineFileResult writeGbkLineFile(const QString& path, const QString& head, qsizetype count,
                                const AppendRecordLines& appendRecord, const QString& tail);

// The first character (a surrogate pair counts as one) that GBK cannot hold; "" when there is
// none.
QString firstNonGbkCharacter(const QString& text);

// The message that stops an upload file whose instruction `index` (0 for the first) holds a value
// GBK cannot hold, naming the instruction, its serial, the value's caption and the character;
// `fileName` names the file kind ("批量支付文件"). Fields are {element, member, caption}.
template <class Record, class Field>
QString unrepresentableInstructionMessage(const Record& record, qsizetype index,
                                          const std::vector<Field>& fields,
                                          const QString& fileName) {
    for (const Field& field : fields) {
        const QString character = firstNonGbkCharacter(record.*field.member);
        if (!character.isEmpty())
            return QStringLiteral("第%1条指令（流水号%2）的“%3”含有GBK编码无法表示的字符“%4”，")
                       .arg(index + 1)
                       .arg(record.serialNo, QString::fromUtf8(field.caption), character) +
                   fileName + QStringLiteral("未生成");
    }
    return fileName + QStringLiteral("含有GBK编码无法表示的字符，") + fileName +
           QStringLiteral("未生成");
}
