#include "BPFile.h"

#include "XmlFile.h"
#include "XmlText.h"

#include <QFile>

BPReadResult readBPFile(const QString& path) {
    using Status = BPReadResult::Status;
    BPReadResult result;
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) {
            result.status = Status::Unreadable;
            result.detail = probe.errorString();
            return result;
        }
    }
    pugi::xml_document document;
    if (!loadXmlFile(document, path)) {
        result.status = Status::NotWellFormed;
        return result;
    }
    const pugi::xml_node recordList =
        XmlText::firstDescendant(document.document_element(), "RecordList");
    if (!recordList) {
        result.status = Status::NoRecordList;
        return result;
    }
    for (const pugi::xpath_node& found : recordList.select_nodes(".//Record")) {
        const pugi::xml_node element = found.node();
        BPRecord record;
        record.currencyType = GetChildText(element, "CurrencyType").trimmed();
        for (const BPField& field : kBPValueFields)
            record.*field.member = GetChildText(element, field.element).trimmed();
        result.records.push_back(std::move(record));
    }
    return result;
}
