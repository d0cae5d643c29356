#pragma once

#include "store/ConsolePrompter.h"

#include <QString>
#include <QStringList>

#include <memory>

class DBAccess;

// What a command of payslipdesk-cli gets besides its own arguments: the program folder, the
// console prompter and the record store, opened on first use.
class CliContext {
public:
    CliContext(QString programFolder, bool yes);
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    const QString& programFolder() const { return programFolder_; }
    // True when "--yes" was given: questions are answered OK/Yes, otherwise Cancel/No.
    bool yes() const { return prompter_.yes(); }
    Prompter& prompter() { return prompter_; }

    // Opens userdb.db of the program folder on the first call. When it cannot be opened the
    // "Database error" box has been printed and DatabaseUnavailable is thrown; the command line
    // catches it and exits with 1, so commands need not.
    DBAccess& db();

private:
    QString programFolder_;
    ConsolePrompter prompter_;
    std::unique_ptr<DBAccess> db_;
};

// A command: its arguments (after the command name, without --home and --yes) and the context;
// returns the process exit code (0 done, 1 failed, 2 bad usage).
using CliCommand = int (*)(const QStringList& arguments, CliContext& context);
