#include "payment/BPFile.h"

#include "config/XmlFile.h"
#include "files/XmlText.h"

BPFileDocument::Status BPFileDocument::load(const QString& path) {
    recordList_ = {};
    const XmlLoadResult loaded = loadXmlFile(file_, path);
    detail_ = loaded.message;
    switch (loaded.status) {
    case XmlLoadResult::Status::Loaded:
        break;
    case XmlLoadResult::Status::Unreadable:
        return Status::Unreadable;
    case XmlLoadResult::Status::Refused:
        return Status::Refused;
    case XmlLoadResult::Status::NotWellFormed:
        return Status::NotWellFormed;
    }
    recordList_ = XmlText::firstDescendant(file_.doc.document_element(), "RecordList");
    return recordList_ ? Status::Loaded : Status::NoRecordList;
}

bool BPFileDocument::forEachRecord(
    const std::function<bool(const BPRecord&, qsizetype)>& take) const {
    std::vector<const char*> names{"CurrencyType"};
    for (const BPField& field : kBPValueFields)
        names.push_back(field.element);
    return XmlText::forEachRecord(recordList_, "Record", names,
                                  [&take](const XmlText::RecordFields& fields, qsizetype k) {
                                      const auto text = [&fields](size_t i) {
                                          return XmlText::elementText(fields[i]).trimmed();
                                      };
                                      BPRecord record;
                                      record.currencyType = text(0);
                                      for (size_t i = 0; i < kBPValueFields.size(); ++i)
                                          record.*kBPValueFields[i].member = text(i + 1);
                                      return take(record, k);
                                  });
}
