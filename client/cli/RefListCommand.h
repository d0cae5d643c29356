#pragma once

#include "refdata/RefFiles.h"
#include "refdata/RefList.h"

#include <QStringList>

#include <functional>

class CliContext;
class ClientMessages;
class DBAccess;

// What the reference list commands (payers, payees, roster, remarks) share: "list" prints the
// grid and the count, "export FILE" and "import FILE" run the tab's own file commands.
struct RefListCommand {
    const char* name;
    // Every list the command prints, reloaded (the payee tab has one per kind).
    std::function<std::vector<RefList>(DBAccess&)> lists;
    std::function<FileCommandOutcome(DBAccess&, ClientMessages&, const PathChooser&)> exportFile;
    // Empty when the list has no import.
    std::function<FileCommandOutcome(DBAccess&, ClientMessages&, const PathChooser&)> importFile;
};

int runRefListCommand(const QStringList& arguments, CliContext& context,
                      const RefListCommand& command);
