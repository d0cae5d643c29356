#pragma once

#include "cli/CliContext.h"

// payslipdesk-cli login PASSWORD: 0 when the password opens the program, 1 when it is refused
// (with the login dialog's message on standard error), 2 on bad usage.
int runLoginCommand(const QStringList& arguments, CliContext& context);
