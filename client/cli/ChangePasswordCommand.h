#pragma once

#include "cli/CliContext.h"

// payslipdesk-cli password OLD NEW: the password change dialog's steps and messages, with NEW
// also as its repetition. 0 when changed, 1 when refused or failed, 2 on bad usage.
int runChangePasswordCommand(const QStringList& arguments, CliContext& context);
