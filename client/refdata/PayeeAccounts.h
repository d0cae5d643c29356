#pragma once

#include "refdata/RefFiles.h"
#include "refdata/RefList.h"

#include <QString>
#include <QStringList>

#include <vector>

class ClientMessages;
class DBAccess;

// The payee accounts of the three kinds (table payee_acc, keyed by number and kind) and their
// PayeeList file.
namespace PayeeAccounts {

enum class Kind { SameBank, SameCity, OtherCity }; // "00", "01", "02"
inline constexpr Kind kKinds[] = {Kind::SameBank, Kind::SameCity, Kind::OtherCity};

QString kindCode(Kind kind);

inline constexpr int kAccNoField = 14;         // GatherAccountNo
inline constexpr int kAccNameField = 15;       // GatherAccountName
inline constexpr int kNetNoField = 16;         // GatherAccountNetNo
inline constexpr int kBankNameField = 21;      // payeeBankName
inline constexpr int kClearingNoField = 22;    // sameCityLiquidateNo
inline constexpr int kCityField = 23;          // payeeCity
inline constexpr int kPresentBankNoField = 24; // presentPayBankNo
inline constexpr int kAccNoMaxLength = 22;

// What the form holds; a kind stores only its own fields, the others as empty texts.
struct Payee {
    QString accNo;
    QString accName;
    QString bankName;      // 01, 02
    QString clearingNo;    // 01
    QString province;      // 02
    QString city;          // 02
    QString presentBankNo; // 02
};

// The kind's grid: 序号, 收款账号, 户名 and the kind's own columns.
RefList makeList(Kind kind);
void reload(RefList& list, DBAccess& db, Kind kind);
QString countQuery(Kind kind);
// Column widths of the kind's grid in twips.
std::vector<int> columnWidths(Kind kind);
// The payee of a grid row, read from the kind's columns.
Payee rowPayee(const RefList& list, qsizetype row, Kind kind);

QStringList provinces(DBAccess& db);
QStringList cities(DBAccess& db, const QString& province);

// Each shows its message; true when the table was changed.
bool add(DBAccess& db, ClientMessages& messages, Kind kind, const Payee& payee);
bool rename(DBAccess& db, ClientMessages& messages, Kind kind, const Payee& payee);
// Asks first; removes the number under this kind only.
bool remove(DBAccess& db, ClientMessages& messages, Kind kind, const QString& accNo);

// Writes every payee of the three kinds to the chosen PayeeList file.
FileCommandOutcome exportFile(DBAccess& db, ClientMessages& messages,
                              const PathChooser& choosePath);

} // namespace PayeeAccounts
