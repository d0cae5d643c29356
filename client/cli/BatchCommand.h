#pragma once

#include "cli/CliContext.h"
#include "cli/SheetCommand.h"
#include "files/ClientMessages.h"
#include "files/FileCommandOutcome.h"

#include <QStringList>

#include <functional>

class DBAccess;

// What the two batch commands ("payments", "payroll") share: list, write FILE and load FILE
// through the tab's own code, and the spreadsheet actions.
struct BatchCommand {
    const char* usage; // the whole usage line
    QStringList headers;
    std::function<void(DBAccess&)> reload;
    std::function<qsizetype()> size;
    std::function<QString(qsizetype row, int column)> cell; // row 1 is the first
    std::function<QStringList()> totals;                    // count, total, capitals
    std::function<FileCommandOutcome(DBAccess&, ClientMessages&, const PathChooser&)> write;
    std::function<FileCommandOutcome(DBAccess&, ClientMessages&, const PathChooser&)> load;
    BatchKind kind; // for the spreadsheet actions
};

int runBatchCommand(const BatchCommand& command, const QStringList& arguments, CliContext& context);

// The command of a batch list (PaymentList, LaborageList): its headers, cells and totals.
template <class List>
int runBatchListCommand(BatchCommand command, List& list, const QStringList& arguments,
                        CliContext& context) {
    command.headers.clear();
    for (const QString& heading : List::kHeaders)
        command.headers << heading;
    command.reload = [&list](DBAccess& db) {
        list.reload(db);
    };
    command.size = [&list] {
        return list.size();
    };
    command.cell = [&list](qsizetype row, int column) {
        return list.cell(row, column);
    };
    command.totals = [&list] {
        return QStringList{list.countText(), list.totalText(), list.capitalText()};
    };
    return runBatchCommand(command, arguments, context);
}
