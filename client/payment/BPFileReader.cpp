#include "BPFile.h"

#include "XmlFile.h"
#include "XmlText.h"

#include <QFile>

BPFileDocument::Status BPFileDocument::load(const QString& path) {
    recordList_ = {};
    detail_.clear();
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) {
            detail_ = probe.errorString();
            return Status::Unreadable;
        }
    }
    if (!loadXmlFile(document_, path))
        return Status::NotWellFormed;
    recordList_ = XmlText::firstDescendant(document_.document_element(), "RecordList");
    return recordList_ ? Status::Loaded : Status::NoRecordList;
}

bool BPFileDocument::forEachRecord(
    const std::function<bool(const BPRecord&, qsizetype)>& take) const {
    qsizetype position = 0;
    for (const pugi::xpath_node& found : recordList_.select_nodes(".//Record")) {
        const pugi::xml_node element = found.node();
        BPRecord record;
        record.currencyType = GetChildText(element, "CurrencyType").trimmed();
        for (const BPField& field : kBPValueFields)
            record.*field.member = GetChildText(element, field.element).trimmed();
        if (!take(record, ++position))
            return false;
    }
    return true;
}
