#pragma once

#include <QStringList>

class CliContext;

// payslipdesk-cli payments list | write FILE.plz | load FILE.plz, through the tab's own code.
// The grid and totals go to standard output, message boxes to standard error; questions (replace
// the batch, overwrite the file) are answered by --yes.
int runPaymentsCommand(const QStringList& arguments, CliContext& context);
