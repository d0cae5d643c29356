#pragma once

#include <QStringList>

class CliContext;

// payslipdesk-cli payees list | export FILE.xml, through the payee tab's code; list prints the
// grid of each kind in turn.
int runPayeesCommand(const QStringList& arguments, CliContext& context);
