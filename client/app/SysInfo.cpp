#include "app/SysInfo.h"

#include <QProcess>
#include <QStandardPaths>

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
        // startDetached gives the tool a session of its own: closing the client leaves it open.
        return process.startDetached();
    }
    return false;
}
