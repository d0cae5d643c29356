#pragma once

#include "sheets/BatchColumns.h"

#include <QStringList>

class CliContext;

// payslipdesk-cli payroll|payments import-sheet FILE [--append] [--sheet NAME] | export-sheet
// FILE.xlsx | summary FILE.pdf: the batch from a sheet, to a sheet, and its printed summary as a
// PDF.

bool isSheetAction(const QString& action);

// Whether the command line asks for a summary, which needs a GUI application (fonts, painting)
// rather than a core one; decided before either exists.
bool paintsSummary(int argc, char** argv);

int runSheetCommand(BatchKind kind, const QStringList& arguments, CliContext& context);
