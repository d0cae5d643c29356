#include "payment/BPFile.h"

#include "files/XmlText.h"

BPFileDocument::Status BPFileDocument::load(const QString& path) {
    recordList_ = {};
    switch (file_.load(path)) {
    case RecordFile::Status::Loaded:
        break;
    case RecordFile::Status::Unreadable:
        return Status::Unreadable;
    case RecordFile::Status::Refused:
        return Status::Refused;
    case RecordFile::Status::NotWellFormed:
        return Status::NotWellFormed;
    }
    recordList_ = XmlText::firstDescendant(file_.root(), "RecordList");
    return recordList_ ? Status::Loaded : Status::NoRecordList;
}

bool BPFileDocument::forEachRecord(
    const std::function<bool(const BPRecord&, qsizetype)>& take) const {
    // The currency is read to be checked; the writer always writes 01.
    static const std::vector<BPField> fields = [] {
        std::vector<BPField> read{{"CurrencyType", &BPRecord::currencyType, "币种"}};
        read.insert(read.end(), kBPValueFields.begin(), kBPValueFields.end());
        return read;
    }();
    return forEachUploadRecord(recordList_, fields, take);
}
