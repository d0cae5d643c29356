#pragma once

#include "files/LineFileWriter.h"
#include "files/RecordFile.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

// What the batch payment and the payroll upload files share: a summary, then one Record per
// instruction whose leading elements are fixed by the kind of file and whose values follow
// in the order of the kind's field table.

// A record's value element: where the value lives and the caption naming it in messages.
// `written`, when set, gives the text the file carries for the stored value (amounts).
template <class Record> struct UploadField {
    const char* element;
    QString Record::*member;
    const char* caption;
    QString (*written)(const QString& stored) = nullptr;
};

struct UploadSummary {
    QString date; // yyyyMMdd, the same in the summary and every record
    QString sumMoney;
    QString sumRecords;
};

struct UploadWriteResult {
    enum class Status { Written, Unrepresentable, FileError };
    Status status = Status::Written;
    QString message; // Unrepresentable: which instruction and value; FileError: the system's word
};

// Gives the record at a position (0 for the first): large batches are written without a copy.
template <class Record> using UploadRecordAt = std::function<Record(qsizetype index)>;

// One kind of upload file.
template <class Record> struct UploadFormat {
    const char* root;
    // The record's elements before its values (date and order number among them).
    void (*appendLeading)(QString& out, const QString& date, qsizetype orderNo);
    const std::vector<UploadField<Record>>& values;
    QString fileName; // names the file kind in messages ("批量支付文件")
};

// Writes the file to a temporary name beside `path` and renames it into place only when every
// line is written, so a failure leaves no half-written file and the old file untouched.
template <class Record>
UploadWriteResult writeUploadFile(const UploadFormat<Record>& format, const QString& path,
                                  const UploadSummary& summary, qsizetype count,
                                  const UploadRecordAt<Record>& recordAt) {
    using Status = UploadWriteResult::Status;
    const auto appendRecord = [&](QString& out, qsizetype i) {
        const Record record = recordAt(i);
        XmlLines::appendTag(out, 2, "<Record>");
        format.appendLeading(out, summary.date, i + 1);
        for (const UploadField<Record>& field : format.values) {
            const QString& value = record.*field.member;
            XmlLines::appendElement(out, 3, field.element,
                                    field.written ? field.written(value) : value);
        }
        XmlLines::appendTag(out, 2, "</Record>");
    };
    const LineFileResult written = writeGbkLineFile(
        path,
        XmlLines::uploadFileHead(format.root, summary.date, summary.sumMoney, summary.sumRecords),
        count, appendRecord, XmlLines::uploadFileTail(format.root));
    switch (written.status) {
    case LineFileResult::Status::Written:
        return {};
    case LineFileResult::Status::Unrepresentable:
        return {Status::Unrepresentable,
                unrepresentableInstructionMessage(
                    written.record < 0 ? Record{} : recordAt(written.record),
                    std::max<qsizetype>(written.record, 0), format.values, format.fileName)};
    case LineFileResult::Status::FileError:
        break;
    }
    return {Status::FileError, written.detail};
}

// Hands every Record element below `under`, in document order, to `take` with its position (1
// for the first), the named fields trimmed and missing ones empty; stops early when `take`
// returns false.
template <class Record>
bool forEachUploadRecord(const pugi::xml_node& under,
                         const std::vector<UploadField<Record>>& fields,
                         const std::function<bool(const Record&, qsizetype)>& take) {
    std::vector<const char*> names;
    for (const UploadField<Record>& field : fields)
        names.push_back(field.element);
    return RecordFile::forEachRecord(under, "Record", names,
                                     [&](const std::vector<QString>& values, qsizetype k) {
                                         Record record;
                                         for (size_t i = 0; i < fields.size(); ++i)
                                             record.*fields[i].member = values[i];
                                         return take(record, k);
                                     });
}
