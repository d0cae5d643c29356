#pragma once

#include "cli/CliContext.h"

#include <QString>

#include <span>

// One command of payslipdesk-cli: "payslipdesk-cli [--home DIR] [--yes] NAME ARGS...".
struct CliCommandEntry {
    const char* name;
    const char* usage; // one line for --help, after the name
    CliCommand run;
};

// The dispatch table (CliCommands.cpp): each subsystem adds its command there with one line.
std::span<const CliCommandEntry> cliCommands();
