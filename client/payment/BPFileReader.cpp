#include "payment/BPFile.h"

#include "config/XmlFile.h"
#include "files/XmlText.h"

#include <QFile>

BPFileDocument::Status BPFileDocument::load(const QString& path) {
    recordList_ = {};
    if (QFile probe(path); !probe.open(QIODevice::ReadOnly))
        return Status::Unreadable;
    if (!loadXmlFile(file_, path))
        return Status::NotWellFormed;
    recordList_ = XmlText::firstDescendant(file_.doc.document_element(), "RecordList");
    return recordList_ ? Status::Loaded : Status::NoRecordList;
}

bool BPFileDocument::forEachRecord(
    const std::function<bool(const BPRecord&, qsizetype)>& take) const {
    std::vector<const char*> names{"CurrencyType"};
    for (const BPField& field : kBPValueFields)
        names.push_back(field.element);
    std::vector<const char*> texts(names.size());
    const auto text = [&texts](size_t i) {
        return texts[i] ? QString::fromUtf8(texts[i]).trimmed() : QString();
    };
    qsizetype position = 0;
    for (const pugi::xpath_node& found : recordList_.select_nodes(".//Record")) {
        XmlText::firstDescendantTexts(found.node(), names, texts);
        BPRecord record;
        record.currencyType = text(0);
        for (size_t i = 0; i < kBPValueFields.size(); ++i)
            record.*kBPValueFields[i].member = text(i + 1);
        if (!take(record, ++position))
            return false;
    }
    return true;
}
