#include "files/RecordFile.h"

#include "files/XmlText.h"

RecordFile::Status RecordFile::load(const QString& path) {
    const XmlLoadResult loaded = loadXmlFile(file_, path);
    detail_ = loaded.message;
    switch (loaded.status) {
    case XmlLoadResult::Status::Loaded:
        return Status::Loaded;
    case XmlLoadResult::Status::Unreadable:
        return Status::Unreadable;
    case XmlLoadResult::Status::Refused:
        return Status::Refused;
    case XmlLoadResult::Status::NotWellFormed:
        break;
    }
    return Status::NotWellFormed;
}

bool RecordFile::forEachRecord(
    const pugi::xml_node& under, const char* recordName, const std::vector<const char*>& names,
    const std::function<bool(const std::vector<QString>& fields, qsizetype)>& take) {
    std::vector<QString> texts(names.size());
    return XmlText::forEachRecord(under, recordName, names,
                                  [&](const XmlText::RecordFields& fields, qsizetype k) {
                                      for (size_t i = 0; i < fields.size(); ++i)
                                          texts[i] = XmlText::elementText(fields[i]).trimmed();
                                      return take(texts, k);
                                  });
}
