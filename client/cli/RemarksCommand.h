#pragma once

#include <QStringList>

class CliContext;

// payslipdesk-cli remarks list | export FILE.xml | import FILE.xml, through the remarks tab's
// code (an export of more than 10 phrases writes FILE-1.xml, FILE-2.xml, …).
int runRemarksCommand(const QStringList& arguments, CliContext& context);
