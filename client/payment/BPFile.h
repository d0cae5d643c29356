#pragma once

#include <QString>

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

struct BPSummary {
    QString date; // yyyyMMdd, the same in the summary and every record
    QString sumMoney;
    QString sumRecords;
};

// A record's value elements in file order, after CurrencyType, Date and OrderNo.
struct BPField {
    const char* element;
    QString BPRecord::*member;
    const char* caption; // names the value in messages
};
extern const std::vector<BPField> kBPValueFields;

struct BPWriteResult {
    enum class Status { Written, Unrepresentable, FileError };
    Status status = Status::Written;
    QString message; // for Unrepresentable: which instruction and value
};

// Writes the file to a temporary name beside `path` and renames it into place only when every
// line is written, so a failure leaves no half-written file and the old file untouched.
BPWriteResult writeBPFile(const QString& path, const BPSummary& summary,
                          const std::vector<BPRecord>& records);

struct BPReadResult {
    enum class Status { Read, Unreadable, NotWellFormed, NoRecordList };
    Status status = Status::Read;
    QString detail;
    std::vector<BPRecord> records; // every Record below RecordList, in document order, trimmed
};

BPReadResult readBPFile(const QString& path);
