#pragma once

#include <QStringList>

// The whole command line after the program name; returns the exit code.
int runCli(const QStringList& arguments, const QString& executableFolder);
