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
    std::vector<const char*> names{"CurrencyType"};
    for (const BPField& field : kBPValueFields)
        names.push_back(field.element);
    return RecordFile::forEachRecord(recordList_, "Record", names,
                                     [&take](const std::vector<QString>& fields, qsizetype k) {
                                         BPRecord record;
                                         record.currencyType = fields[0];
                                         for (size_t i = 0; i < kBPValueFields.size(); ++i)
                                             record.*kBPValueFields[i].member = fields[i + 1];
                                         return take(record, k);
                                     });
}
