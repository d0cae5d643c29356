#include "payroll/GZFile.h"

bool GZFileDocument::forEachRecord(
    const std::function<bool(const GZRecord&, qsizetype)>& take) const {
    return forEachUploadRecord(file_.document(), kGZValueFields, take);
}
