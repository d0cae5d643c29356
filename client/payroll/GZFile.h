#pragma once

#include "files/UploadFile.h"

#include <QString>

#include <functional>
#include <vector>

// The payroll upload file (root element GZFile): one record per instruction.
struct GZRecord {
    QString serialNo; // names the instruction in messages; not part of the file
    QString recAcc;
    QString recAccName;
    QString money; // as stored; the writer writes it with two decimals
    QString comment;
};

using GZSummary = UploadSummary;

// A record's value elements in file order, after Date, DetailSign and OrderNo.
using GZField = UploadField<GZRecord>;
extern const std::vector<GZField> kGZValueFields;

using GZWriteResult = UploadWriteResult;
using GZRecordAt = UploadRecordAt<GZRecord>;

// Writes the file to a temporary name beside `path` and renames it into place only when every
// line is written, so a failure leaves no half-written file and the old file untouched.
GZWriteResult writeGZFile(const QString& path, const GZSummary& summary, qsizetype count,
                          const GZRecordAt& recordAt);

// A payroll file loaded for reading its records.
class GZFileDocument {
public:
    using Status = RecordFile::Status;

    Status load(const QString& path) { return file_.load(path); }
    // Why the file could not be read or was refused, naming it.
    const QString& detail() const { return file_.detail(); }

    // Hands every Record element at any depth, in document order, to `take` with its position
    // (1 for the first), fields trimmed and missing ones empty; stops early when `take` returns
    // false.
    bool forEachRecord(const std::function<bool(const GZRecord&, qsizetype)>& take) const;

private:
    RecordFile file_;
};
