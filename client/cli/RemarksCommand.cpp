#include "cli/RemarksCommand.h"

#include "cli/RefListCommand.h"
#include "refdata/Remarks.h"

int runRemarksCommand(const QStringList& arguments, CliContext& context) {
    const auto listed = [](DBAccess& db) {
        RefList list = Remarks::makeList();
        Remarks::reload(list, db);
        return list;
    };
    return runRefListCommand(
        arguments, context,
        {"remarks", [listed](DBAccess& db) { return std::vector<RefList>{listed(db)}; },
         [listed](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
             return Remarks::exportFiles(messages, listed(db), choose);
         },
         [](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
             return Remarks::importFile(db, messages, choose, [] {});
         }});
}
