#pragma once

#include <QString>
#include <QVariantList>

class ClientMessages;
class DBAccess;

// The add, change and delete of a reference list's records. Each shows its message, named after
// the list's record (`noun`: "付款账号", "个人账号", ...), and says whether the table changed.
namespace RefEdits {

// Refused with "该<noun>已存在" when `existsQuery` finds the key.
bool add(DBAccess& db, ClientMessages& messages, const QString& noun, const QString& existsQuery,
         const QVariantList& key, const QString& insertSql, const QVariantList& values);
bool update(DBAccess& db, ClientMessages& messages, const QString& noun, const QString& updateSql,
            const QVariantList& values);
// Asks first.
bool remove(DBAccess& db, ClientMessages& messages, const QString& noun, const QString& deleteSql,
            const QVariantList& key);

} // namespace RefEdits
