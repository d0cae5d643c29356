#pragma once

#include <QString>
#include <QStringList>

// The program folder holds the database, the configuration and the help: the folder of the
// executable, unless "--home DIR" on the command line or PAYSLIPDESK_HOME names another.
// The result always ends with "/".
QString resolveProgramFolder(const QStringList& arguments, const QString& executableFolder);

// The arguments without "--home DIR" / "--home=DIR".
QStringList withoutHomeOption(const QStringList& arguments);
