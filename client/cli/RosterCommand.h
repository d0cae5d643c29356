#pragma once

#include <QStringList>

class CliContext;

// payslipdesk-cli roster list | export FILE.xml, through the roster tab's code.
int runRosterCommand(const QStringList& arguments, CliContext& context);
