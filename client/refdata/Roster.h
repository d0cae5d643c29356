#pragma once

#include "refdata/RefFiles.h"
#include "refdata/RefList.h"

#include <QString>
#include <QStringList>

#include <optional>

class ClientMessages;
class DBAccess;

// The personal accounts of the payroll roster (table person_payee_acc) and their
// PersonPayeeList file.
namespace Roster {

inline constexpr int kAccNoField = 17;    // PerAccountNo
inline constexpr int kAccNameField = 18;  // PerAccountName
inline constexpr int kCertCodeField = 19; // CertificateNo

struct Person {
    QString accNo;
    QString accName;
    int certType = 1; // the certificate kind's position in certificateKinds(), from 1
    QString certCode;
};

// The grid's list: 序号, 个人账号, 户名.
RefList makeList();
void reload(RefList& list, DBAccess& db);
const QString& countQuery();
// The certificate kinds' descriptions in code order.
QStringList certificateKinds(DBAccess& db);
// The stored certificate of a person: kind (0 when missing or not a number) and number.
std::optional<std::pair<int, QString>> certificate(DBAccess& db, const QString& accNo);

// Each shows its message; true when the table was changed.
bool add(DBAccess& db, ClientMessages& messages, const Person& person);
bool rename(DBAccess& db, ClientMessages& messages, const Person& person);
// Asks first.
bool remove(DBAccess& db, ClientMessages& messages, const QString& accNo);

// Writes the whole roster to the chosen PersonPayeeList file.
FileCommandOutcome exportFile(DBAccess& db, ClientMessages& messages,
                              const PathChooser& choosePath);

} // namespace Roster
