#include "refdata/RefEdits.h"

#include "files/ClientMessages.h"
#include "store/DBAccess.h"

namespace RefEdits {

namespace {

bool shown(ClientMessages& messages, const QString& verb, const QString& noun, bool done) {
    messages.show(verb + noun + (done ? QStringLiteral("成功") : QStringLiteral("失败")));
    return done;
}

} // namespace

bool add(DBAccess& db, ClientMessages& messages, const QString& noun, const QString& existsQuery,
         const QVariantList& key, const QString& insertSql, const QVariantList& values) {
    const std::optional<RecordSet> found = db.Query(existsQuery, key);
    if (found && !found->atEnd()) {
        messages.show(QStringLiteral("该") + noun + QStringLiteral("已存在"));
        return false;
    }
    return shown(messages, QStringLiteral("新增"), noun, db.Insert(insertSql, values));
}

bool update(DBAccess& db, ClientMessages& messages, const QString& noun, const QString& updateSql,
            const QVariantList& values) {
    return shown(messages, QStringLiteral("修改"), noun, db.Update(updateSql, values));
}

bool remove(DBAccess& db, ClientMessages& messages, const QString& noun, const QString& deleteSql,
            const QVariantList& key) {
    if (!messages.confirm(QStringLiteral("是否确认要删除") + noun + QLatin1Char('?')))
        return false;
    return shown(messages, QStringLiteral("删除"), noun, db.Delete(deleteSql, key));
}

} // namespace RefEdits
