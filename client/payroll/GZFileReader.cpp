#include "payroll/GZFile.h"

#include "files/XmlText.h"

#include <QFile>

GZFileDocument::Status GZFileDocument::load(const QString& path) {
    detail_.clear();
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) {
            detail_ = probe.errorString();
            return Status::Unreadable;
        }
    }
    if (!loadXmlFile(file_, path) || !file_.doc.document_element())
        return Status::NotWellFormed;
    return Status::Loaded;
}

bool GZFileDocument::forEachRecord(
    const std::function<bool(const GZRecord&, qsizetype)>& take) const {
    std::vector<const char*> names;
    for (const GZField& field : kGZValueFields)
        names.push_back(field.element);
    std::vector<const char*> texts(names.size());
    qsizetype position = 0;
    for (const pugi::xpath_node& found : file_.doc.select_nodes("//Record")) {
        XmlText::firstDescendantTexts(found.node(), names, texts);
        GZRecord record;
        for (size_t i = 0; i < kGZValueFields.size(); ++i)
            if (texts[i])
                record.*kGZValueFields[i].member = QString::fromUtf8(texts[i]).trimmed();
        if (!take(record, ++position))
            return false;
    }
    return true;
}
