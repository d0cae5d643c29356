#include "app/SysInfo.h"

#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

QStringList systemInfoCandidates() {
    return {QStringLiteral("hardinfo2"),           QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"),         QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

bool StartSysInfo() {
    for (const QString& name : systemInfoCandidates()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty())
            continue;
        QProcess process;
        process.setProgram(program);
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        // Closing the client must not take the tool with it.
        process.setChildProcessModifier([] { ::setsid(); });
        return process.startDetached();
    }
    return false;
}
