#pragma once

#include "refdata/RefFiles.h"
#include "refdata/RefList.h"

#include <QString>

class ClientMessages;
class DBAccess;

// The remark phrases (table user_remark) and their UserRemark files.
namespace Remarks {

inline constexpr int kRemarkField = 20; // RemarkName
inline constexpr qsizetype kPhrasesPerFile = 10;

// The grid's list: 序号, 备注.
RefList makeList();
void reload(RefList& list, DBAccess& db);
const QString& countQuery();

// Each shows its message; true when the table was changed.
bool add(DBAccess& db, ClientMessages& messages, const QString& phrase);
enum class ChangeResult { Changed, NewExists, Failed };
// Replaces the phrase inside one transaction: nothing changes unless the new one is stored.
ChangeResult change(DBAccess& db, ClientMessages& messages, const QString& oldPhrase,
                    const QString& newPhrase);
// Asks first.
bool remove(DBAccess& db, ClientMessages& messages, const QString& phrase);

// The files an export of n phrases writes for the chosen name: one file keeps the name (a
// missing ".xml" added), several are named base-1.xml, base-2.xml, … where base is the chosen
// name without a trailing ".xml" in any case.
QStringList exportFileNames(const QString& chosen, qsizetype phrases);

// Writes the listed phrases, 10 to a file. A phrase GBK cannot hold is refused before any file is
// written.
FileCommandOutcome exportFiles(ClientMessages& messages, const RefList& list,
                               const PathChooser& choosePath);
// Merges the phrases of the chosen file; phrases stored before a refused one stay. Calls
// `reload` once the records are processed.
FileCommandOutcome importFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const std::function<void()>& reload);

} // namespace Remarks
