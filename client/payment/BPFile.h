#pragma once

#include "files/UploadFile.h"

#include <QString>

#include <pugixml.hpp>

#include <functional>
#include <vector>

// The batch payment upload file (root element BPFile): one record per instruction.
struct BPRecord {
    QString serialNo; // names the instruction in messages; not part of the file
    QString currencyType = QStringLiteral("01");
    QString payAcc;
    QString payAccName;
    QString transferType;
    QString recAcc;
    QString recAccName;
    QString money; // as stored; the writer writes it with two decimals
    QString usage;
    QString remitType;
    QString recAccountOpenBank;
    QString sameCityLiquidateNo;
    QString province;
    QString city;
    QString presentPayNo;
};

using BPSummary = UploadSummary;

// A record's value elements in file order, after CurrencyType, Date and OrderNo.
using BPField = UploadField<BPRecord>;
extern const std::vector<BPField> kBPValueFields;

using BPWriteResult = UploadWriteResult;
using BPRecordAt = UploadRecordAt<BPRecord>;

// Writes the file to a temporary name beside `path` and renames it into place only when every
// line is written, so a failure leaves no half-written file and the old file untouched.
BPWriteResult writeBPFile(const QString& path, const BPSummary& summary, qsizetype count,
                          const BPRecordAt& recordAt);

// A batch payment file loaded for reading its records.
class BPFileDocument {
public:
    enum class Status { Loaded, Unreadable, Refused, NotWellFormed, NoRecordList };

    Status load(const QString& path);
    // Why the file could not be read or was refused, naming it.
    const QString& detail() const { return file_.detail(); }

    // Hands every Record below RecordList, in document order, to `take` with its position (1 for
    // the first), fields trimmed and missing ones empty; stops early when `take` returns false.
    bool forEachRecord(const std::function<bool(const BPRecord&, qsizetype)>& take) const;

private:
    RecordFile file_;
    pugi::xml_node recordList_;
};
