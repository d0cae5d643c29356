#include "payroll/GZFile.h"

bool GZFileDocument::forEachRecord(
    const std::function<bool(const GZRecord&, qsizetype)>& take) const {
    std::vector<const char*> names;
    for (const GZField& field : kGZValueFields)
        names.push_back(field.element);
    return RecordFile::forEachRecord(file_.document(), "Record", names,
                                     [&take](const std::vector<QString>& fields, qsizetype k) {
                                         GZRecord record;
                                         for (size_t i = 0; i < kGZValueFields.size(); ++i)
                                             record.*kGZValueFields[i].member = fields[i];
                                         return take(record, k);
                                     });
}
