#pragma once

#include <QStringList>

class CliContext;

// payslipdesk-cli payroll list | write FILE.dfz | load FILE.dfz, through the tab's own code.
// The grid and totals go to standard output, message boxes to standard error; questions (replace
// the batch, overwrite the file) are answered by --yes.
int runPayrollCommand(const QStringList& arguments, CliContext& context);
