#include "store/ProgramFolder.h"

#include <QDir>

namespace {

QString withSlash(const QString& folder) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    return clean.endsWith('/') ? clean : clean + '/';
}

} // namespace

QString resolveProgramFolder(const QStringList& arguments, const QString& executableFolder) {
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--home") && i + 1 < arguments.size())
            return withSlash(arguments[i + 1]);
        if (arguments[i].startsWith(QLatin1String("--home=")))
            return withSlash(arguments[i].mid(7));
    }
    const QString fromEnvironment = qEnvironmentVariable("PAYSLIPDESK_HOME");
    if (!fromEnvironment.isEmpty())
        return withSlash(fromEnvironment);
    return withSlash(executableFolder);
}

QStringList withoutHomeOption(const QStringList& arguments) {
    QStringList rest;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--home")) {
            ++i;
            continue;
        }
        if (!arguments[i].startsWith(QLatin1String("--home=")))
            rest << arguments[i];
    }
    return rest;
}
