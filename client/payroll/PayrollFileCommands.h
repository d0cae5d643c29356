#pragma once

#include "files/FileCommandOutcome.h"

#include <QString>

#include <functional>

class ClientMessages;
class DBAccess;
class LaborageList;

// The write and load commands of the payroll tab, shared by the window and the command line.

// Writes every instruction of the batch to the chosen upload file. The list is the one the tab
// shows: its status figures become the file's summary.
FileCommandOutcome writePayrollFile(DBAccess& db, ClientMessages& messages,
                                    const LaborageList& list, const PathChooser& choosePath);

// Replaces the batch with the records of the chosen upload file inside one transaction, adding
// persons the roster lacks, then calls `reload`. Any refused record leaves batch and roster as
// they were.
FileCommandOutcome loadPayrollFile(DBAccess& db, ClientMessages& messages, const LaborageList& list,
                                   const PathChooser& choosePath,
                                   const std::function<void()>& reload);
