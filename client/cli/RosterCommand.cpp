#include "cli/RosterCommand.h"

#include "cli/RefListCommand.h"
#include "refdata/Roster.h"

int runRosterCommand(const QStringList& arguments, CliContext& context) {
    return runRefListCommand(arguments, context,
                             {"roster",
                              [](DBAccess& db) {
                                  RefList list = Roster::makeList();
                                  Roster::reload(list, db);
                                  return std::vector<RefList>{list};
                              },
                              Roster::exportFile,
                              {}});
}
