#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

// What payslipdesk-cli did when run from the staged program folder as a child process.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PSD_CLIENT_DIR "/payslipdesk-cli"), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
