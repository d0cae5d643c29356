#include "app/ButtonEnterKey.h"
#include "app/QtChinese.h"
#include "app/QtPrompter.h"
#include "app/frmLogin.h"
#include "app/frmMain.h"
#include "config/SharedConfig.h"
#include "store/ConsolePrompter.h"
#include "store/DBAccess.h"
#include "store/ProgramFolder.h"

#include <QApplication>

#include <memory>

namespace {

// PAYSLIPDESK_BOXES=console sends every box to standard error and answers Cancel/No, so that
// an unattended run (a script, a test) never waits for a click.
std::unique_ptr<Prompter> makePrompter() {
    if (qEnvironmentVariable("PAYSLIPDESK_BOXES") == QLatin1String("console"))
        return std::make_unique<ConsolePrompter>(false);
    return std::make_unique<QtPrompter>();
}

int run(QApplication& app, Prompter& prompter) {
    const QString folder =
        resolveProgramFolder(app.arguments().mid(1), QCoreApplication::applicationDirPath());
    sharedConfig().programFolder = folder;
    DBAccess db(folder, prompter);
    {
        frmLogin login(db, prompter);
        if (login.exec() != QDialog::Accepted)
            return 0;
    }
    frmMain window(db, prompter);
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loadQtChinese(app);
    app.installEventFilter(new ButtonEnterKey(&app));
    const std::unique_ptr<Prompter> prompter = makePrompter();
    try {
        return run(app, *prompter);
    } catch (const DatabaseUnavailable&) {
        // The "Database error" box has been shown; the program cannot run without its database.
        return 1;
    }
}
