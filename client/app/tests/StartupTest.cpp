#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Both programs as child processes on a program folder without a usable database. The window
// program sends its boxes to standard error (PAYSLIPDESK_BOXES=console) so nothing waits for a
// click.
class StartupTest : public ::testing::TestWithParam<const char*> {
protected:
    struct Run {
        int exitCode;
        QString err;
    };

    Run start(const char* program, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PAYSLIPDESK_BOXES", "console");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PSD_CLIENT_DIR "/") + QString::fromLatin1(program), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    Run startProgram() {
        const QString program = QString::fromLatin1(GetParam());
        if (program == QLatin1String("PaySlipDesk"))
            return start(GetParam(), {"-platform", "offscreen", "--home", dir.path()});
        return start(GetParam(), {"--home", dir.path(), "login", "12345678"});
    }

    QTemporaryDir dir;
};

TEST_P(StartupTest, MissingDatabaseEndsWithDatabaseError) {
    const Run run = startProgram();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Database error: "))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("userdb.db")));
}

TEST_P(StartupTest, CorruptDatabaseEndsWithDatabaseError) {
    QFile file(dir.filePath("userdb.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("this is not a database file").repeated(200));
    file.close();
    const Run run = startProgram();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Database error: "))) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, StartupTest,
                         ::testing::Values("PaySlipDesk", "payslipdesk-cli"));

} // namespace
