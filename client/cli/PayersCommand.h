#pragma once

#include <QStringList>

class CliContext;

// payslipdesk-cli payers list | export FILE.xml | import FILE.xml, through the payer tab's code.
int runPayersCommand(const QStringList& arguments, CliContext& context);
