#pragma once

#include "refdata/RefFiles.h"
#include "refdata/RefList.h"

#include <QString>
#include <QStringList>

class ClientMessages;
class DBAccess;

// The payer accounts of the customer (table pay_acc) and their AccountSet file.
namespace PayerAccounts {

inline constexpr int kAccNoField = 12;   // PayAccountNo
inline constexpr int kAccNameField = 13; // PayeeAccountName
inline constexpr qsizetype kFileAccNoLength = 22;

// The grid's list: 序号, 付款账号, 户名, 币种.
RefList makeList();
void reload(RefList& list, DBAccess& db);
const QString& countQuery();
// The currency names in code order, for the tab's chooser.
QStringList currencyNames(DBAccess& db);

// Each shows its message; true when the table was changed.
bool add(DBAccess& db, ClientMessages& messages, const QString& accNo, const QString& accName);
bool rename(DBAccess& db, ClientMessages& messages, const QString& accNo, const QString& accName);
// Asks first.
bool remove(DBAccess& db, ClientMessages& messages, const QString& accNo);

// Writes the listed accounts to the chosen AccountSet file.
FileCommandOutcome exportFile(ClientMessages& messages, const RefList& list,
                              const PathChooser& choosePath);
// Reads the chosen AccountSet file record by record; records stored before a refused one stay.
// Calls `reload` before the closing message when every record was stored.
FileCommandOutcome importFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const std::function<void()>& reload);

} // namespace PayerAccounts
