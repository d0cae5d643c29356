#include "cli/PayersCommand.h"

#include "cli/RefListCommand.h"
#include "refdata/PayerAccounts.h"

int runPayersCommand(const QStringList& arguments, CliContext& context) {
    const auto listed = [](DBAccess& db) {
        RefList list = PayerAccounts::makeList();
        PayerAccounts::reload(list, db);
        return list;
    };
    return runRefListCommand(
        arguments, context,
        {"payers", [listed](DBAccess& db) { return std::vector<RefList>{listed(db)}; },
         [listed](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
             return PayerAccounts::exportFile(messages, listed(db), choose);
         },
         [](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
             return PayerAccounts::importFile(db, messages, choose, [] {});
         }});
}
