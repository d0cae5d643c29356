#include "cli/PayeesCommand.h"

#include "cli/RefListCommand.h"
#include "refdata/PayeeAccounts.h"

int runPayeesCommand(const QStringList& arguments, CliContext& context) {
    return runRefListCommand(arguments, context,
                             {"payees",
                              [](DBAccess& db) {
                                  std::vector<RefList> lists;
                                  for (const PayeeAccounts::Kind kind : PayeeAccounts::kKinds) {
                                      lists.push_back(PayeeAccounts::makeList(kind));
                                      PayeeAccounts::reload(lists.back(), db, kind);
                                  }
                                  return lists;
                              },
                              PayeeAccounts::exportFile,
                              {}});
}
