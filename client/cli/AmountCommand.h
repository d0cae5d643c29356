#pragma once

#include "cli/CliContext.h"

#include <QStringList>

// "payslipdesk-cli amount capital|format|typed|check TEXT": the capital spelling, the display
// form with two decimals, the display form with the typed decimals, or whether TEXT is an
// acceptable single amount. TEXT may hold "," separators and surrounding blanks. A refused
// amount prints its message and exits with 1; bad usage exits with 2.
int runAmountCommand(const QStringList& arguments, CliContext& context);
