#include "store/ProgramFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Sets or clears PAYSLIPDESK_HOME for one case and restores it afterwards.
class HomeVariable {
public:
    explicit HomeVariable(const char* value)
        : saved_(qgetenv("PAYSLIPDESK_HOME"))
        , wasSet_(qEnvironmentVariableIsSet("PAYSLIPDESK_HOME")) {
        if (value)
            qputenv("PAYSLIPDESK_HOME", value);
        else
            qunsetenv("PAYSLIPDESK_HOME");
    }
    ~HomeVariable() {
        if (wasSet_)
            qputenv("PAYSLIPDESK_HOME", saved_);
        else
            qunsetenv("PAYSLIPDESK_HOME");
    }

private:
    QByteArray saved_;
    bool wasSet_;
};

TEST(ProgramFolder, CommandLineThenEnvironmentThenExecutableFolder) {
    const QString cwd = QDir::currentPath();
    const struct {
        QStringList arguments;
        const char* environment;
        QString expected;
    } cases[] = {
        {{}, nullptr, "/opt/desk/"},
        {{"--home", "/data/a"}, nullptr, "/data/a/"},
        {{"--home=/data/b/"}, nullptr, "/data/b/"},
        {{"login", "x", "--home", "/data/c//"}, nullptr, "/data/c/"},
        {{}, "/data/env", "/data/env/"},
        {{"--home", "/data/a"}, "/data/env", "/data/a/"},
        {{"--home", "relative/dir"}, nullptr, cwd + "/relative/dir/"},
        {{"--home", "/"}, nullptr, "/"},
        {{"--home"}, nullptr, "/opt/desk/"}, // no folder after it: ignored
        {{}, "", "/opt/desk/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() +
                     " env=" + (c.environment ? c.environment : "(unset)"));
        const HomeVariable home(c.environment);
        EXPECT_EQ(resolveProgramFolder(c.arguments, "/opt/desk"), c.expected);
    }
}

TEST(ProgramFolder, HomeOptionIsTakenOutOfTheArguments) {
    const struct {
        QStringList arguments;
        QStringList rest;
    } cases[] = {
        {{"--home", "/d", "login", "1"}, {"login", "1"}},
        {{"login", "--home=/d", "1"}, {"login", "1"}},
        {{"--yes", "login", "--home"}, {"--yes", "login"}},
        {{"login", "home"}, {"login", "home"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(withoutHomeOption(c.arguments), c.rest);
    }
}

} // namespace
